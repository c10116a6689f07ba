// The player's start: the start screen's texts and the module come at once, a genus's
// texts when it is chosen; the choices of this visit come back after a reload.
import {byId} from './dom.js';
import {Journal} from './journal.js';
import {KEY_ROOT, START_PACK, TextPacks, loadKey, pictureSizes} from './keyfiles.js';
import {OfflineSign} from './offline.js';
import {Page, seedSettings, storedLanguage} from './page.js';

// Lets the browser paint and answer a tap between the start's longer steps.
const pause = () => new Promise((resolve) => setTimeout(resolve, 0));

async function start() {
    const [manifest, module] = await Promise.all([fetch('key.json').then((r) => r.json()), window.createSporixModule()]);
    await pause();
    const offline = new OfflineSign(manifest);
    offline.setLanguage(storedLanguage());
    loadKey(module.FS);
    const packs = new TextPacks(module.FS, manifest);
    const cut = await packs.load(START_PACK);
    await pause();
    seedSettings(module.FS);
    const player = new module.Player(KEY_ROOT, pictureSizes(manifest));
    await pause();
    const journal = new Journal(manifest.version);
    const page = new Page({player, FS: module.FS, manifest, packs, journal, offline});
    page.listen();
    await page.start([...journal.steps]);
    page.tellCut(cut);
    byId('loading').hidden = true;
    document.body.dataset.ready = manifest.version;
    performance.mark('sporix-ready');
    // Keeping the key for offline use starts once the page is usable, not to slow its start.
    offline.start().catch((error) => offline.show({failed: String(error)}, offline.language));
}

start().catch((error) => {
    byId('loading').textContent = `Sporix cannot start: ${error.message}`;
});
