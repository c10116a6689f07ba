// Keeps the page, the module, the key's text packs, its common pictures and the pictures of
// the language in use (the page writes its folder letters into the CHOICE cache before it
// registers the worker, and asks for another language's pictures when the user chooses it),
// so that the player works without a signal after the first visit. The site build writes
// VERSION, a digest of every file of the site: a changed key or page is a new service worker
// with a new cache, which replaces the old. The page is told how far the keeping has got,
// and each part is marked complete only once every one of its files is in the cache.
const VERSION = '__VERSION__';
const PAGE_FILES = __PAGE_FILES__;
const CACHE = `sporix-${VERSION}`;
const CHOICE = 'sporix-language';
const COMPLETE = 'offline-complete';
const BATCH = 16;

const keyUrl = (path) => 'key/' + path.split('/').map(encodeURIComponent).join('/');
const languageMark = (language) => `${COMPLETE}-${language}`;
// Past the browser's HTTP cache: a file kept from an older visit must not slip in.
const fresh = (url) => new Request(url, {cache: 'reload'});

async function tell(message) {
    for (const client of await self.clients.matchAll({includeUncontrolled: true})) client.postMessage({version: VERSION, ...message});
}

// The pictures of one language folder ('' for the common ones), each weighed by its size.
function picturesOf(manifest, language) {
    return manifest.files.filter((entry) => 'picture' in entry && (entry.language ?? '') === language)
        .map((entry) => [keyUrl(entry.path), entry.size]);
}

function commonFiles(manifest) {
    const packs = Object.values(manifest.packs).map((pack) => [pack.url, pack.size]);
    return [...PAGE_FILES.map((url) => [url, 1]), ['key.json', 1], ...packs, ...picturesOf(manifest, '')];
}

// Fetches `files` into the cache in batches, telling the page how far it has got as a
// share of their weight, then sets the marks.
async function keep(files, language, marks) {
    const cache = await caches.open(CACHE);
    const total = files.reduce((sum, [, size]) => sum + size, 0);
    let done = 0;
    for (let at = 0; at < files.length; at += BATCH) {
        const batch = files.slice(at, at + BATCH);
        await cache.addAll(batch.map(([url]) => fresh(url)));
        done += batch.reduce((sum, [, size]) => sum + size, 0);
        await tell({language, kept: done / total});
    }
    for (const mark of marks) await cache.put(mark, new Response(VERSION));
    await tell({language, complete: true});
}

async function chosenLanguage() {
    const chosen = await caches.match('language', {cacheName: CHOICE});
    return chosen ? chosen.text() : '';
}

async function install() {
    const manifest = await (await fetch(fresh('key.json'))).json();
    if (manifest.version !== VERSION) throw new Error(`key.json is of version ${manifest.version}, not ${VERSION}`);
    const language = await chosenLanguage();
    await keep([...commonFiles(manifest), ...picturesOf(manifest, language)], language, [COMPLETE, languageMark(language)]);
}

// Another language's pictures, once the common files are kept.
async function keepLanguage(language) {
    const manifest = await (await caches.match('key.json', {cacheName: CACHE})).json();
    await keep(picturesOf(manifest, language), language, [languageMark(language)]);
}

self.addEventListener('install', (event) => {
    event.waitUntil(install().then(() => self.skipWaiting(), async (error) => {
        await tell({failed: String(error)});
        throw error;
    }));
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const old = (await caches.keys()).filter((name) => name.startsWith('sporix-') && name !== CACHE && name !== CHOICE);
        await Promise.all(old.map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

self.addEventListener('message', (event) => {
    const language = event.data?.keep;
    if (typeof language !== 'string') return;
    event.waitUntil(keepLanguage(language).catch((error) => tell({language, failed: String(error)})));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith((async () => (await caches.match(event.request, {cacheName: CACHE})) ?? fetch(event.request))());
});
