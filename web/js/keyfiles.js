// The key's files, as the site lists them in key.json, in the module's file system, where
// the engine reads them as the desktop program reads its working folder.

export const KEY_ROOT = '/key';

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

// Writes every file of the key under KEY_ROOT: the text files with their bytes, which
// `read(path)` resolves; the pictures empty, since the browser draws them from the site and
// the engine only asks whether they are there.
export async function loadKey(FS, manifest, read, parallel = 8) {
    if (!FS.analyzePath(KEY_ROOT).exists) FS.mkdir(KEY_ROOT);
    for (const entry of manifest.files) makeFolders(FS, entry.path);
    const texts = manifest.files.filter((entry) => !isPicture(entry));
    for (const entry of manifest.files.filter(isPicture)) FS.writeFile(`${KEY_ROOT}/${entry.path}`, new Uint8Array(0));
    let next = 0;
    const worker = async () => {
        while (next < texts.length) {
            const entry = texts[next++];
            FS.writeFile(`${KEY_ROOT}/${entry.path}`, await read(entry.path));
        }
    };
    await Promise.all(Array.from({length: parallel}, worker));
}

// The page's answer to the engine's "can you show this picture, and how large is it?".
export function pictureSizes(manifest) {
    const sizes = new Map(manifest.files.filter(isPicture).map((entry) => [entry.path, entry.picture]));
    return (file) => sizes.get(file) ?? null;
}
