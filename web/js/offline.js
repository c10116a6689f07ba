// The service worker and the sign that tells how far the key is kept for use without a
// connection. The worker keeps the common files and the pictures of the language in use
// only; choosing another language asks it for that language's pictures, and the sign
// counts again. "Ready offline" shows only when the cache of this very version is marked
// complete for the common files and for the language now in use.
import {byId} from './dom.js';
import {pageTexts} from './pagetexts.js';

const COMPLETE = 'offline-complete';
// Where the worker finds the language to keep at its install (its folder letters).
const CHOICE = 'sporix-language';

async function cacheComplete(version, language) {
    if (!('caches' in window)) return false;
    const cache = await caches.open(`sporix-${version}`);
    return Boolean(await cache.match(COMPLETE)) && Boolean(await cache.match(`${COMPLETE}-${language}`));
}

async function chooseLanguage(language) {
    await (await caches.open(CHOICE)).put('language', new Response(language));
}

export class OfflineSign {
    constructor(manifest) {
        this.version = manifest.version;
        this.folders = manifest.languages ?? [];
        this.language = null;
        this.state = {};
        this.texts = null;
        this.started = false;
    }

    async start() {
        if (!('serviceWorker' in navigator)) return;
        // A new version of the site (a changed key, say) takes over at once: start again with it.
        const hadController = Boolean(navigator.serviceWorker.controller);
        navigator.serviceWorker.addEventListener('controllerchange', () => {
            if (hadController) window.location.reload();
        });
        navigator.serviceWorker.addEventListener('message', (event) => {
            if (event.data.version === this.version) this.show(event.data, event.data.language ?? this.language);
        });
        try {
            await chooseLanguage(this.language);
            await navigator.serviceWorker.register('sw.js');
        } catch (error) {
            this.show({failed: String(error)}, this.language);
            return;
        }
        // From here on a change of language asks for its pictures; this asks for the present one.
        this.started = true;
        await this.keepLanguage();
    }

    // The pictures of the language now in use: ready at once if they are kept; if not, the
    // worker (once one is active: the first one keeps them at its install) is asked for them.
    async keepLanguage() {
        const language = this.language;
        const kept = () => cacheComplete(this.version, language);
        if (await kept()) return this.show({complete: true}, language);
        this.show({kept: 0}, language);
        await chooseLanguage(language);
        const registration = await navigator.serviceWorker.ready;
        if (language !== this.language) return;
        if (await kept()) this.show({complete: true}, language);
        else registration.active.postMessage({keep: language});
    }

    show(state, language) {
        if (language !== this.language) return;
        if (!this.state.complete) this.state = state;
        this.render();
    }

    // The engine's language now in use (1 to 6): the sign's words, and the pictures to keep.
    setLanguage(index) {
        this.texts = pageTexts(index);
        const language = this.folders[index - 1] ?? '';
        if (language !== this.language) {
            this.language = language;
            this.state = {};
            if (this.started) this.keepLanguage().catch((error) => this.show({failed: String(error)}, language));
        }
        this.render();
    }

    render() {
        const sign = byId('offline');
        if (!this.texts) return;
        const {kept, complete, failed} = this.state;
        sign.classList.toggle('ready', Boolean(complete));
        const keeping = kept === undefined ? '' : this.texts.keeping(Math.floor(kept * 100));
        sign.textContent = complete ? this.texts.ready : failed ? this.texts.notKept : keeping;
    }
}
