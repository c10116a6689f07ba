// The player's start and its event handling: it loads the key into the module, sends the
// user's gestures to the engine and shows what comes back. Settings (language, kind of
// searching) live in the browser's local storage; the engine's settings file is seeded
// from there and copied back after every action.
import {renderAdvice} from './advice.js';
import {byId} from './dom.js';
import {KEY_ROOT, loadKey, pictureSizes} from './keyfiles.js';
import {renderMain} from './render.js';
import {anyWindowVisible, frontWindow, renderWindows} from './windows.js';

const SETTINGS_FILE = `${KEY_ROOT}/SpxInit.txt`;
const SETTINGS_STORAGE = 'sporix.SpxInit.txt';

// The settings file's bytes, kept as a string of one character per byte.
function seedSettings(FS) {
    const stored = localStorage.getItem(SETTINGS_STORAGE);
    if (stored !== null) FS.writeFile(SETTINGS_FILE, Uint8Array.from(stored, (c) => c.charCodeAt(0)));
}

function keepSettings(FS) {
    if (!FS.analyzePath(SETTINGS_FILE).exists) return;
    const bytes = String.fromCharCode(...FS.readFile(SETTINGS_FILE));
    if (localStorage.getItem(SETTINGS_STORAGE) !== bytes) localStorage.setItem(SETTINGS_STORAGE, bytes);
}

async function fetchBytes(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
    return new Uint8Array(await response.arrayBuffer());
}

class Page {
    constructor(player, FS) {
        this.player = player;
        this.FS = FS;
        this.ui = {openRow: null, ticks: new Set(), ticksFill: -1, resultsOpen: false, dropDownOpenings: 0};
        this.windowOrder = new Map();
        this.messages = [];
        this.views = null;
    }

    act(name, ...args) {
        const wasVisible = this.views && anyWindowVisible(this.views);
        const answer = name === 'compare' ? this.player.compare([...this.ui.ticks]) : this.player[name](...args);
        const update = JSON.parse(answer);
        this.update = update;
        this.views = update.views;
        keepSettings(this.FS);
        if (name === 'characterPicture' && this.views.main.image1Visible) this.ui.resultsOpen = true;
        this.render();
        this.messages.push(...update.messages);
        this.showNextMessage();
        // The main window is active again once the last other window has gone.
        if (wasVisible && !anyWindowVisible(this.views)) this.act('activate');
    }

    render() {
        const main = this.views.main;
        if (main.checkListFills !== this.ui.ticksFill) {
            this.ui.ticksFill = main.checkListFills;
            this.ui.ticks.clear();
        }
        let focused = document.activeElement?.dataset?.focusKey;
        // The advisor asked for a character's list: the page opens that row.
        if (main.dropDownOpenings !== this.ui.dropDownOpenings) {
            this.ui.dropDownOpenings = main.dropDownOpenings;
            this.ui.openRow = main.dropDownRow;
            this.ui.resultsOpen = false;
            focused = `row-${main.dropDownRow}`;
        }
        renderMain(main, this.ui);
        renderAdvice(this.views.advisor);
        renderWindows(this.views, this.windowOrder);
        if (focused) document.querySelector(`[data-focus-key="${focused}"]`)?.focus();
    }

    showNextMessage() {
        const box = byId('message');
        if (box.open || this.messages.length === 0) return;
        const message = this.messages.shift();
        byId('message-text').textContent = message.text;
        box.classList.toggle('error', message.error);
        box.showModal();
    }

    showGenera(open) {
        byId('genus-items').hidden = !open;
        byId('menu-genera').setAttribute('aria-expanded', open);
        if (open) this.act('openGenera');
    }

    closeFrontWindow() {
        const name = this.views && frontWindow(this.views, this.windowOrder);
        if (name) this.act('closeWindow', name);
    }

    click(target) {
        const data = target.dataset;
        if ('toggleRow' in data) {
            const row = Number(data.toggleRow);
            this.ui.openRow = this.ui.openRow === row ? null : row;
            this.render();
        } else if ('tick' in data) {
            if (target.checked) this.ui.ticks.add(Number(data.tick));
            else this.ui.ticks.delete(Number(data.tick));
        } else if ('openMenu' in data) {
            byId('menu').showModal();
            this.showGenera(data.openMenu === 'genera');
        } else if ('openGenera' in data) {
            this.showGenera(byId('genus-items').hidden);
        } else if ('closeWindow' in data) {
            this.act('closeWindow', target.closest('[data-window]').dataset.window);
        } else if (target.id === 'results-bar') {
            this.ui.resultsOpen = !this.ui.resultsOpen;
            this.render();
        }
        if ('closeMenu' in data) byId('menu').close();
        // The advisor's button shows the panel, which stands with the results.
        if (data.act === 'advisor') this.ui.resultsOpen = true;
        if ('act' in data) this.act(data.act, ...JSON.parse(data.args ?? '[]'));
        if (data.act === 'advisor') byId('advice')?.scrollIntoView({block: 'nearest'});
    }

    listen() {
        document.addEventListener('click', (event) => {
            const target = event.target.closest('button, input[type=checkbox]');
            if (target && !target.closest('form')) this.click(target);
        });
        byId('message').addEventListener('close', () => this.showNextMessage());
        document.addEventListener('keydown', (event) => {
            if (event.key === 'Escape' && !byId('message').open && !byId('menu').open) this.closeFrontWindow();
        });
    }
}

function registerServiceWorker() {
    if (!('serviceWorker' in navigator)) return;
    // A new version of the site (a changed key, say) takes over at once: start again with it.
    const hadController = Boolean(navigator.serviceWorker.controller);
    navigator.serviceWorker.addEventListener('controllerchange', () => {
        if (hadController) window.location.reload();
    });
    navigator.serviceWorker.register('sw.js').catch((error) => console.warn('No offline use:', error));
}

async function start() {
    registerServiceWorker();
    const [manifest, module] = await Promise.all([fetch('key.json').then((r) => r.json()), window.createSporixModule()]);
    loadKey(module.FS, manifest, await fetchBytes('key-texts.bin'));
    seedSettings(module.FS);
    const page = new Page(new module.Player(KEY_ROOT, pictureSizes(manifest)), module.FS);
    page.listen();
    page.act('activate');
    byId('loading').hidden = true;
    document.body.dataset.ready = manifest.version;
}

start().catch((error) => {
    byId('loading').textContent = `Sporix cannot start: ${error.message}`;
});
