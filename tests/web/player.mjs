// The module under node, loaded with a built site's key exactly as the page loads it.
import {readFile} from 'node:fs/promises';
import path from 'node:path';
import {createRequire} from 'node:module';

import {KEY_ROOT, loadKey, loadPack, pictureSizes} from '../../web/js/keyfiles.js';

const require = createRequire(import.meta.url);

// The module from `moduleDir` with the key of the site in `siteDir`.
export async function startPlayer(moduleDir, siteDir) {
    const createSporixModule = require(path.resolve(moduleDir, 'sporix.js'));
    // This Emscripten fetches its .wasm by URL wherever fetch exists; node is given the bytes.
    const module = await createSporixModule({wasmBinary: await readFile(path.join(moduleDir, 'sporix.wasm'))});
    const manifest = JSON.parse(await readFile(path.join(siteDir, 'key.json'), 'utf8'));
    loadKey(module.FS);
    for (const [pack, {url}] of Object.entries(manifest.packs)) loadPack(module.FS, manifest, pack, await readFile(path.join(siteDir, url)));
    return {module, player: new module.Player(KEY_ROOT, pictureSizes(manifest))};
}

// A step as the native driver reads it ("chooseState 3 1", "compare 0,2", "closeWindow slide").
export function runStep(player, step) {
    const [name, ...args] = step.split(' ');
    if (name === 'compare') return player.compare(args[0] ? args[0].split(',').map(Number) : []);
    if (name === 'closeWindow') return player.closeWindow(args[0]);
    return player[name](...args.map(Number));
}
