// Keeps the page, the module and the whole key, so that the player works without a signal
// after the first visit. The site build writes VERSION, a digest of every file of the site:
// a changed key or page is a new service worker with a new cache, which replaces the old.
const VERSION = '__VERSION__';
const PAGE_FILES = __PAGE_FILES__;
const CACHE = `sporix-${VERSION}`;

const keyUrl = (path) => 'key/' + path.split('/').map(encodeURIComponent).join('/');

async function fillCache() {
    // Past the browser's HTTP cache: a file kept from an older visit must not slip in.
    const fresh = (url) => new Request(url, {cache: 'reload'});
    const manifest = await (await fetch(fresh('key.json'))).json();
    if (manifest.version !== VERSION) throw new Error(`key.json is of version ${manifest.version}, not ${VERSION}`);
    const cache = await caches.open(CACHE);
    await cache.addAll([...PAGE_FILES, 'key.json', ...manifest.files.map((entry) => keyUrl(entry.path))].map(fresh));
}

self.addEventListener('install', (event) => {
    event.waitUntil(fillCache().then(() => self.skipWaiting()));
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
