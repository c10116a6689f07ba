// The web player's performance: one search of each kind on the largest genus the tables
// hold, natively, in the module under node and in Chromium (all in this one run), and the
// page's first load on the loopback server. Prints the tables of docs/performance.md.
//
//     node bench/web/run.mjs NATIVE_TIMES MODULE_DIR [BUNDLED_SITE_DIR]
//
// NATIVE_TIMES is build/test/bench/sporix_web_times; the client for Chromium comes from
// tests/web (npm ci there first).
import {execFileSync} from 'node:child_process';
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {PHONE, launch, serve} from '../../tests/web/browser.mjs';
import {startPlayer} from '../../tests/web/player.mjs';
import {timeSearches} from './searches.mjs';

const [nativeTimes, moduleDir, bundledSite] = process.argv.slice(2);
const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const scratch = await mkdtemp(path.join(os.tmpdir(), 'sporix-web-bench-'));
const cleanups = [() => rm(scratch, {recursive: true, force: true})];
const t = {after: (cleanup) => cleanups.push(cleanup)};

// The page in a fresh browser: navigation until the genus's rows show, and every byte
// fetched for it (the first visit: nothing cached yet).
async function firstLoad(context, url) {
    const page = await context.newPage();
    const requests = [];
    page.on('requestfinished', (request) => requests.push(request));
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    while (await page.locator('#message[open]').count()) await page.click('#message button');
    await page.click('#start-genera');
    await page.locator('#genus-items button').first().click();
    await page.waitForSelector('.row');
    const ms = await page.evaluate(() => performance.now());
    const sizes = await Promise.all(requests.map((request) => request.sizes()));
    return {ms, files: requests.length, bytes: sizes.reduce((sum, size) => sum + size.responseHeadersSize + size.responseBodySize, 0)};
}

async function inChromium(page, source) {
    return page.evaluate(async (timer) => {
        const {KEY_ROOT, loadKey, loadPack, pictureSizes} = await import('./js/keyfiles.js');
        const manifest = await (await fetch('key.json')).json();
        const module = await window.createSporixModule();
        loadKey(module.FS);
        for (const [pack, {url}] of Object.entries(manifest.packs)) {
            loadPack(module.FS, manifest, pack, new Uint8Array(await (await fetch(url)).arrayBuffer()));
        }
        const player = new module.Player(KEY_ROOT, pictureSizes(manifest));
        return (0, eval)(`(${timer})`)(player, () => performance.now());
    }, source);
}

try {
    const key = path.join(scratch, 'key');
    const native = JSON.parse(execFileSync(nativeTimes, [key], {encoding: 'utf8'}));
    const site = path.join(scratch, 'site');
    execFileSync('python3', [path.join(ROOT, 'web/make_site.py'), '--module', moduleDir, '--key', key, '--out', site]);
    const {player} = await startPlayer(moduleDir, site);
    const node = timeSearches(player, () => performance.now());

    const server = await serve(site);
    t.after(() => server.stop());
    const context = await launch(t, PHONE);
    const maximalLoad = await firstLoad(context, server.url);
    const chromium = await inChromium(context.pages().at(-1), timeSearches.toString());

    const row = (name, kind) => `| ${name} | ${native[kind].toFixed(0)} µs | ${node[kind].toFixed(0)} µs (${(node[kind] / native[kind]).toFixed(2)} ×) | ${chromium[kind].toFixed(0)} µs (${(chromium[kind] / native[kind]).toFixed(2)} ×) |`;
    console.log('| Search | Native | Module under node | Module in Chromium |\n|---|---|---|---|');
    console.log(row('First kind, 10 characters chosen', 'kind1'));
    console.log(row('Second kind, Clear all and the first choice', 'kind2'));

    const loads = [['largest genus the tables hold', maximalLoad]];
    if (bundledSite) {
        const bundled = await serve(bundledSite);
        t.after(() => bundled.stop());
        loads.push(['bundled key, first genus', await firstLoad(await launch(t, PHONE), bundled.url)]);
    }
    console.log('\n| First load | Files | Bytes | Time |\n|---|---|---|---|');
    for (const [name, load] of loads) console.log(`| ${name} | ${load.files} | ${(load.bytes / 1024).toFixed(0)} KiB | ${load.ms.toFixed(0)} ms |`);
} finally {
    for (const cleanup of cleanups.reverse()) await cleanup();
}
