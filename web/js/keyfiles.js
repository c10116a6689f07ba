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

// Writes every file of the key under KEY_ROOT: the text files with their bytes, cut from
// `texts` (the site's key-texts.bin); the pictures empty, since the browser draws them from
// the site and the engine only asks whether they are there.
export function loadKey(FS, manifest, texts) {
    if (!FS.analyzePath(KEY_ROOT).exists) FS.mkdir(KEY_ROOT);
    for (const entry of manifest.files) {
        makeFolders(FS, entry.path);
        const bytes = isPicture(entry) ? new Uint8Array(0) : texts.subarray(entry.offset, entry.offset + entry.size);
        FS.writeFile(`${KEY_ROOT}/${entry.path}`, bytes);
    }
}

// The page's answer to the engine's "can you show this picture, and how large is it?".
export function pictureSizes(manifest) {
    const sizes = new Map(manifest.files.filter(isPicture).map((entry) => [entry.path, entry.picture]));
    return (file) => sizes.get(file) ?? null;
}
