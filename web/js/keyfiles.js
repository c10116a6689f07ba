// The key's files, as the site lists them in key.json, in the module's file system, where
// the engine reads them as the desktop program reads its working folder. The texts come in
// packs: one with what the start needs, and for each genus one to search it, fetched when
// it is chosen, and one of its descriptions, fetched next.

export const KEY_ROOT = '/key';
export const START_PACK = '';

export function keyUrl(path) {
    return 'key/' + path.split('/').map(encodeURIComponent).join('/');
}

export function isPicture(entry) {
    return 'picture' in entry;
}

// Makes the folders of all `paths` once each, parents first.
function makeFolders(FS, paths) {
    const folders = new Set();
    for (const path of paths) {
        const parts = path.split('/');
        for (let depth = 1; depth < parts.length; ++depth) folders.add(parts.slice(0, depth).join('/'));
    }
    for (const folder of [...folders].sort()) {
        if (!FS.analyzePath(`${KEY_ROOT}/${folder}`).exists) FS.mkdir(`${KEY_ROOT}/${folder}`);
    }
}

// Makes the key's root folder.
export function loadKey(FS) {
    if (!FS.analyzePath(KEY_ROOT).exists) FS.mkdir(KEY_ROOT);
}

// The packs of a genus folder as the genus list names it: what its search needs, and its
// descriptions; those the key does not have are left out.
export function packsOf(manifest, folder) {
    const has = (pack) => (folder && pack in manifest.packs ? [pack] : []);
    const name = folder.toUpperCase();
    return {search: has(name), descriptions: has(`${name}/`)};
}

function textsOf(entries) {
    return entries.filter((entry) => !isPicture(entry));
}

// Writes the texts of `pack` from its bytes, and the pictures that come with it empty: the
// browser draws them from the site and the engine only asks whether they are there. A text
// the bytes do not hold whole (a download cut short) is left out, so that the engine never
// reads half of it; their paths come back.
export function loadPack(FS, manifest, pack, bytes) {
    const entries = manifest.files.filter((e) => e.pack === pack);
    const texts = textsOf(entries);
    const whole = texts.filter((entry) => entry.offset + entry.size <= bytes.length);
    const pictures = entries.filter(isPicture);
    makeFolders(FS, [...whole, ...pictures].map((entry) => entry.path));
    for (const entry of whole) {
        FS.writeFile(`${KEY_ROOT}/${entry.path}`, bytes.subarray(entry.offset, entry.offset + entry.size));
    }
    const empty = new Uint8Array(0);
    for (const entry of pictures) FS.writeFile(`${KEY_ROOT}/${entry.path}`, empty);
    return texts.filter((entry) => !whole.includes(entry)).map((entry) => entry.path);
}

// The page's answer to the engine's "can you show this picture, and how large is it?".
export function pictureSizes(manifest) {
    const sizes = new Map(manifest.files.filter(isPicture).map((entry) => [entry.path, entry.picture]));
    return (file) => sizes.get(file) ?? null;
}

async function fetchBytes(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
    return new Uint8Array(await response.arrayBuffer());
}

// The packs of one visit: each fetched and written once. A pack that did not come whole
// (or not at all) is fetched again the next time it is needed.
export class TextPacks {
    constructor(FS, manifest) {
        this.FS = FS;
        this.manifest = manifest;
        this.loads = new Map();
    }

    // Resolves to the paths of the files that could not be read whole.
    async loadAll(packs) {
        return (await Promise.all(packs.map((pack) => this.load(pack)))).flat();
    }

    // A pack that did not come at all: every one of its texts is cut.
    textPaths(pack) {
        return textsOf(this.manifest.files.filter((entry) => entry.pack === pack)).map((entry) => entry.path);
    }

    load(pack) {
        if (!this.loads.has(pack)) {
            const loading = fetchBytes(this.manifest.packs[pack].url)
                .then((bytes) => loadPack(this.FS, this.manifest, pack, bytes), () => this.textPaths(pack))
                .then((cut) => {
                    if (cut.length > 0) this.loads.delete(pack);
                    return cut;
                });
            this.loads.set(pack, loading);
        }
        return this.loads.get(pack);
    }
}
