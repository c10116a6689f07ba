// Keeps the page, the module and the whole key (its text packs and pictures), so that the
// player works without a signal after the first visit. The site build writes VERSION, a
// digest of every file of the site: a changed key or page is a new service worker with a
// new cache, which replaces the old. The page is told how far the keeping has got, and the
// cache is marked complete only once every file is in it.
const VERSION = '__VERSION__';
const PAGE_FILES = __PAGE_FILES__;
const CACHE = `sporix-${VERSION}`;
const COMPLETE = 'offline-complete';
const BATCH = 16;

const keyUrl = (path) => 'key/' + path.split('/').map(encodeURIComponent).join('/');

async function tell(message) {
    for (const client of await self.clients.matchAll({includeUncontrolled: true})) client.postMessage({version: VERSION, ...message});
}

// Every file with its weight in the progress: its size where key.json gives one.
function filesToKeep(manifest) {
    const packs = Object.values(manifest.packs).map((pack) => [pack.url, pack.size]);
    const pictures = manifest.files.filter((entry) => 'picture' in entry).map((entry) => [keyUrl(entry.path), entry.size]);
    return [...PAGE_FILES.map((url) => [url, 1]), ['key.json', 1], ...packs, ...pictures];
}

async function fillCache() {
    // Past the browser's HTTP cache: a file kept from an older visit must not slip in.
    const fresh = (url) => new Request(url, {cache: 'reload'});
    const manifest = await (await fetch(fresh('key.json'))).json();
    if (manifest.version !== VERSION) throw new Error(`key.json is of version ${manifest.version}, not ${VERSION}`);
    const cache = await caches.open(CACHE);
    const files = filesToKeep(manifest);
    const total = files.reduce((sum, [, size]) => sum + size, 0);
    let done = 0;
    for (let at = 0; at < files.length; at += BATCH) {
        const batch = files.slice(at, at + BATCH);
        await cache.addAll(batch.map(([url]) => fresh(url)));
        done += batch.reduce((sum, [, size]) => sum + size, 0);
        await tell({kept: done / total});
    }
    await cache.put(COMPLETE, new Response(VERSION));
    await tell({complete: true});
}

self.addEventListener('install', (event) => {
    event.waitUntil(fillCache().then(() => self.skipWaiting(), async (error) => {
        await tell({failed: String(error)});
        throw error;
    }));
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const old = (await caches.keys()).filter((name) => name.startsWith('sporix-') && name !== CACHE);
        await Promise.all(old.map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith((async () => (await caches.match(event.request, {cacheName: CACHE})) ?? fetch(event.request))());
});
