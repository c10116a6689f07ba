// The page's event handling: it sends the user's gestures to the engine and shows what
// comes back. Settings (language, kind of searching) live in the browser's local storage;
// the engine's settings file is seeded from there and copied back after every action.
import {renderAdvice} from './advice.js';
import {byId} from './dom.js';
import {WindowHistory} from './history.js';
import {KEY_ROOT, packsOf} from './keyfiles.js';
import {pageTexts} from './pagetexts.js';
import {renderMain} from './render.js';
import {anyWindowVisible, openWindows, renderHelp, renderWindows} from './windows.js';

const SETTINGS_FILE = `${KEY_ROOT}/SpxInit.txt`;
const SETTINGS_STORAGE = 'sporix.SpxInit.txt';
const PHONE = '(max-width: 899px)';
const CUT_NAMED = 5;
const READS_DESCRIPTIONS = new Set(['openSpecies', 'heading', 'advice']);

// The settings file's bytes, kept as a string of one character per byte.
export function seedSettings(FS) {
    const stored = localStorage.getItem(SETTINGS_STORAGE);
    if (stored !== null) FS.writeFile(SETTINGS_FILE, Uint8Array.from(stored, (c) => c.charCodeAt(0)));
}

// The language of the stored settings (their first line), before the engine has read them.
export function storedLanguage() {
    return Number.parseInt(localStorage.getItem(SETTINGS_STORAGE) ?? '1', 10) || 1;
}

function keepSettings(FS) {
    if (!FS.analyzePath(SETTINGS_FILE).exists) return;
    const bytes = String.fromCharCode(...FS.readFile(SETTINGS_FILE));
    if (localStorage.getItem(SETTINGS_STORAGE) !== bytes) localStorage.setItem(SETTINGS_STORAGE, bytes);
}

// Up and down arrows go round the items of a menu.
function moveFocus(menu, from, step) {
    const items = [...menu.querySelectorAll('button:not(:disabled)')];
    items[(items.indexOf(from) + step + items.length) % items.length]?.focus();
}

export class Page {
    constructor({player, FS, manifest, packs, journal, offline}) {
        Object.assign(this, {player, FS, manifest, packs, journal, offline});
        this.ui = {openRow: null, ticks: new Set(), ticksFill: -1, resultsOpen: false, dropDownOpenings: 0, help: null, pictureRow: 0,
            descriptions: []};
        this.windowOrder = new Map();
        this.messages = [];
        this.update = null;
        this.history = new WindowHistory(() => this.layers().length, () => this.closeTop());
    }

    get views() {
        return this.update.views;
    }

    act(name, ...args) {
        const wasVisible = this.update && anyWindowVisible(this.views);
        const answer = name === 'compare' ? this.player.compare([...this.ui.ticks]) : this.player[name](...args);
        this.journal.record(name, args);
        this.update = JSON.parse(answer);
        keepSettings(this.FS);
        if (name === 'characterPicture') this.ui.pictureRow = args[0];
        if (name === 'characterPicture' && this.views.main.image1Visible) this.ui.resultsOpen = true;
        this.render();
        this.say(this.update.messages);
        // The main window is active again once the last other window has gone.
        if (wasVisible && !anyWindowVisible(this.views)) this.act('activate');
    }

    say(messages) {
        this.messages.push(...messages);
        this.showNextMessage();
    }

    // A genus's texts come with it: fetched, then chosen; its descriptions follow while the
    // user chooses states. A new genus starts at the top.
    // The marks time the first genus (the site's benchmark reads them).
    async chooseGenus(item) {
        performance.mark('sporix-genus-chosen');
        const packs = this.genusPacks(this.update.page.genusFolders, item);
        const cut = await this.packs.loadAll(packs.search);
        this.ui.openRow = null;
        this.act('chooseGenus', item);
        window.scrollTo(0, 0);
        performance.mark('sporix-genus-shown');
        this.tellCut(cut);
        this.tellCut(await this.packs.loadAll(packs.descriptions));
    }

    // The packs of the genus at `item` (1..) of the genus list `folders`; its descriptions
    // are the ones later actions wait for.
    genusPacks(folders, item) {
        const packs = packsOf(this.manifest, folders[item - 1] ?? '');
        this.ui.descriptions = packs.descriptions;
        return packs;
    }

    // An action that can open a description waits for the genus's descriptions.
    async perform(name, args) {
        if (READS_DESCRIPTIONS.has(name)) await this.packs.loadAll(this.ui.descriptions);
        this.act(name, ...args);
    }

    tellCut(files) {
        if (files.length === 0) return;
        const named = files.length > CUT_NAMED ? [...files.slice(0, CUT_NAMED), `… (${files.length})`] : files;
        this.say([{error: true, text: pageTexts(this.update.page.languageIndex).cut(named)}]);
    }

    // The start, and after a reload the journal's steps again: only their end shows,
    // without the messages met on the way.
    async start(steps) {
        this.act('activate');
        if (steps.length === 0) return;
        let last = JSON.parse(this.player.openGenera());
        for (const [name, args] of steps) {
            if (name === 'chooseGenus') {
                const packs = this.genusPacks(last.page.genusFolders, args[0]);
                this.tellCut(await this.packs.loadAll([...packs.search, ...packs.descriptions]));
            }
            last = JSON.parse(this.player[name](...args));
            this.journal.record(name, args);
        }
        this.update = last;
        keepSettings(this.FS);
        this.render();
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
        renderMain(this.update, this.ui);
        renderAdvice(this.views.advisor);
        renderWindows(this.views, this.update.page, this.windowOrder);
        renderHelp(this.ui.help, this.windowOrder);
        this.offline.setLanguage(this.update.page.languageIndex);
        if (focused) document.querySelector(`[data-focus-key="${focused}"]`)?.focus();
        this.history.sync();
    }

    // What Back closes, the top last: the results sheet on a phone, the advisor, the windows
    // and the menu.
    layers() {
        const layers = [];
        if (this.ui.resultsOpen && window.matchMedia(PHONE).matches) layers.push('results');
        if (this.views.advisor.visible) layers.push('advisor');
        layers.push(...openWindows(this.views, this.ui.help !== null, this.windowOrder));
        if (byId('menu').open) layers.push('menu');
        return layers;
    }

    closeTop() {
        const top = this.layers().at(-1);
        if (top === 'menu') byId('menu').close();
        else if (top === 'results') this.ui.resultsOpen = false;
        else if (top === 'help') this.ui.help = null;
        else if (top) this.act('closeWindow', top);
        this.render();
        return Boolean(top);
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

    click(target) {
        const data = target.dataset;
        if ('toggleRow' in data) {
            const row = Number(data.toggleRow);
            this.ui.openRow = this.ui.openRow === row ? null : row;
        } else if ('tick' in data) {
            if (target.checked) this.ui.ticks.add(Number(data.tick));
            else this.ui.ticks.delete(Number(data.tick));
            return;
        } else if ('openMenu' in data) {
            byId('menu').showModal();
            this.showGenera(data.openMenu === 'genera');
        } else if ('openGenera' in data) {
            this.showGenera(byId('genus-items').hidden);
        } else if ('closeWindow' in data) {
            const name = target.closest('[data-window]').dataset.window;
            if (name === 'help') this.ui.help = null;
            else this.act('closeWindow', name);
        } else if ('pageHelp' in data) {
            this.ui.help = Number(data.pageHelp);
        } else if ('pageHowToStart' in data) {
            this.say([{error: false, text: pageTexts(this.update.page.languageIndex).howToStart}]);
        } else if (target.id === 'results-bar') {
            this.ui.resultsOpen = !this.ui.resultsOpen;
        }
        if ('closeMenu' in data) byId('menu').close();
        // The advisor's button shows the panel, which stands with the results.
        if (data.act === 'advisor') this.ui.resultsOpen = true;
        if (data.act === 'chooseGenus') this.chooseGenus(...JSON.parse(data.args));
        else if ('act' in data) this.perform(data.act, JSON.parse(data.args ?? '[]'));
        else this.render();
        if (data.act === 'advisor') byId('advice')?.scrollIntoView({block: 'nearest'});
    }

    listen() {
        document.addEventListener('click', (event) => {
            const target = event.target.closest('button, input[type=checkbox]');
            if (target && !target.closest('form')) this.click(target);
        });
        byId('message').addEventListener('close', () => this.showNextMessage());
        byId('menu').addEventListener('close', () => this.history.sync());
        document.addEventListener('keydown', (event) => {
            if (event.key === 'Escape' && !byId('message').open && !byId('menu').open) this.closeTop();
            const menu = event.target.closest?.('[role=menu]');
            if (menu && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) {
                event.preventDefault();
                moveFocus(menu, event.target, event.key === 'ArrowDown' ? 1 : -1);
            }
        });
        this.history.start();
    }
}
