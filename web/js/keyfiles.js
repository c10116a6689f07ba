// The key's files, as the site lists them in key.json, in the module's file system, where
// the engine reads them as the desktop program reads its working folder. The texts come in
// packs: one with what the start needs, one per genus, fetched when the genus is chosen.

export const KEY_ROOT = '/key';
export const START_PACK = '';

export function keyUrl(path) {
    return 'key/' + path.split('/').map(encodeURIComponent).join('/');
}

export function isPicture(entry) {
    return 'picture' in entry;
}

function makeFolders(FS, path) {
    let at = KEY_ROOT;
    for (const part of path.split('/').slice(0, -1)) {
        at += '/' + part;
        if (!FS.analyzePath(at).exists) FS.mkdir(at);
    }
}

// Writes the pictures empty: the browser draws them from the site and the engine only asks
// whether they are there.
export function loadKey(FS, manifest) {
    if (!FS.analyzePath(KEY_ROOT).exists) FS.mkdir(KEY_ROOT);
    for (const entry of manifest.files.filter(isPicture)) {
        makeFolders(FS, entry.path);
        FS.writeFile(`${KEY_ROOT}/${entry.path}`, new Uint8Array(0));
    }
}

// The pack of a genus folder as the genus list names it; null when the key has none.
export function packOf(manifest, folder) {
    const name = folder.toUpperCase();
    return name in manifest.packs ? name : null;
}

// Writes the texts of `pack` from its bytes. A file the bytes do not hold whole (a download
// cut short) is left out, so that the engine never reads half of it; their paths come back.
export function loadPack(FS, manifest, pack, bytes) {
    const cut = [];
    for (const entry of manifest.files.filter((e) => e.pack === pack)) {
        if (entry.offset + entry.size > bytes.length) {
            cut.push(entry.path);
            continue;
        }
        makeFolders(FS, entry.path);
        FS.writeFile(`${KEY_ROOT}/${entry.path}`, bytes.subarray(entry.offset, entry.offset + entry.size));
    }
    return cut;
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
    load(pack) {
        if (!this.loads.has(pack)) {
            const files = this.manifest.files.filter((entry) => entry.pack === pack).map((entry) => entry.path);
            const loading = fetchBytes(this.manifest.packs[pack].url)
                .then((bytes) => loadPack(this.FS, this.manifest, pack, bytes), () => files)
                .then((cut) => {
                    if (cut.length > 0) this.loads.delete(pack);
                    return cut;
                });
            this.loads.set(pack, loading);
        }
        return this.loads.get(pack);
    }
}
