// The service worker and the sign that tells how far the key is kept for use without a
// connection. "Ready offline" shows only when the cache of this very version is marked
// complete, which the service worker does after the last file.
import {byId} from './dom.js';

const COMPLETE = 'offline-complete';

async function cacheComplete(version) {
    if (!('caches' in window)) return false;
    const cache = await caches.open(`sporix-${version}`);
    return Boolean(await cache.match(COMPLETE));
}

export class OfflineSign {
    constructor(version) {
        this.version = version;
        this.state = {};
        this.texts = null;
    }

    start() {
        if (!('serviceWorker' in navigator)) return;
        // A new version of the site (a changed key, say) takes over at once: start again with it.
        const hadController = Boolean(navigator.serviceWorker.controller);
        navigator.serviceWorker.addEventListener('controllerchange', () => {
            if (hadController) window.location.reload();
        });
        navigator.serviceWorker.addEventListener('message', (event) => {
            if (event.data.version === this.version) this.show(event.data);
        });
        navigator.serviceWorker.register('sw.js').catch((error) => this.show({failed: String(error)}));
        cacheComplete(this.version).then((complete) => {
            if (complete) this.show({complete});
            else if (this.state.kept === undefined) this.show({kept: 0});
        });
    }

    show(state) {
        if (!this.state.complete) this.state = state;
        this.render();
    }

    // The page's texts of the language now in use.
    setTexts(texts) {
        this.texts = texts;
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
