// The page in headless Chromium, as a user on a phone uses it: a genus, both kinds of
// searching, step back, a description, a comparison, another language; then the server
// stops and the player goes on from the service worker's cache. Screenshots go to
// SPORIX_SCREENSHOTS (default build/web-screenshots).
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {cp, mkdtemp, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import {fileURLToPath} from 'node:url';

import {PHONE, launch, serve} from './browser.mjs';
import {assertFitsPhone, chooseState, closeMessages, menu, open, pictureShown, shot, texts} from './steps.mjs';

const SITE_DIR = process.env.SPORIX_SITE_DIR;
const MAKE_SITE = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../web/make_site.py');
test('a phone identifies in both kinds, compares, switches language, and goes on offline', async (t) => {
    const server = await serve(SITE_DIR);
    t.after(() => server.stop());
    const context = await launch(t, PHONE);
    const {page, errors} = await open(context, server.url);
    assert.equal(await page.locator('#message[open]').count(), 0, 'the first start asks nothing');
    await shot(page, 'phone-start');

    await page.click('#start-genera');
    await shot(page, 'phone-menu');
    await closeMessages(page);
    await page.locator('#genus-items button').first().click();
    await closeMessages(page);
    const genusCaption = await page.textContent('#caption');
    await menu(page, await page.textContent('#kind-1'));
    assert.ok((await page.locator('.row').count()) > 0, 'the genus has character rows');

    // First kind: a ranked list with percentages, best first.
    await chooseState(page, 0, 1);
    await chooseState(page, 1, 0);
    await shot(page, 'phone-kind1-rows');
    await assertFitsPhone(page, 'with a row open');
    await page.click('#results-bar');
    const percents = (await texts(page.locator('#species .percent'))).map(Number);
    assert.ok(percents.length > 0, 'species listed with their percentages');
    assert.deepEqual(percents, [...percents].sort((a, b) => b - a), 'best first');
    await shot(page, 'phone-kind1-results');
    await assertFitsPhone(page, 'with the results open');

    // Comparison of the first two ranked species, and a description from its heading.
    await page.locator('#species .tick input').nth(0).check();
    await page.locator('#species .tick input').nth(1).check();
    await page.click('#compare');
    await closeMessages(page);
    await page.waitForSelector('#window-comparison:not([hidden])');
    assert.ok((await page.locator('#comparison-table tbody tr').count()) > 0, 'characters compared');
    await shot(page, 'phone-comparison');
    await page.locator('#comparison-table .heading').first().click();
    await closeMessages(page);
    await page.waitForSelector('#window-description:not([hidden])');
    await page.click('#window-description [data-close-window]');
    await page.click('#window-comparison [data-close-window]');

    // Second kind: the rest species with their number, greyed characters, step back.
    await menu(page, await page.textContent('#kind-2'));
    await page.click('#clear-all');
    await closeMessages(page);
    if (await page.locator('#results.open').count()) await page.click('#results-bar');
    await chooseState(page, 0, 0);
    const afterOne = await page.textContent('#label43');
    await chooseState(page, 2, 0);
    await chooseState(page, 4, 0);
    const afterThree = await page.textContent('#label43');
    assert.match(afterThree, /\d/, 'the rest species are counted');
    await page.click('#step-back');
    await closeMessages(page);
    await page.click('#step-back');
    await closeMessages(page);
    assert.equal(await page.textContent('#label43'), afterOne, 'two steps back: the count after the first choice');
    await shot(page, 'phone-kind2');

    // The advisor's panel with the results; a best character opens its row.
    await page.click('#advisor-button');
    await closeMessages(page);
    await page.waitForSelector('#advice h3');
    assert.ok((await page.locator('#advice .advice-line').count()) > 0, 'the advice has lines');
    await shot(page, 'phone-advice');
    await assertFitsPhone(page, 'with the advice open');
    await page.locator('#advice button.advice-line').first().click();
    await closeMessages(page);
    assert.ok((await page.locator('.row.open').count()) + (await page.locator('#window-description:not([hidden])').count()) > 0,
        'the advice opened a row or a species');
    if (await page.locator('#window-description:not([hidden])').count()) await page.click('#description-close');
    await closeMessages(page);
    if (await page.locator('#results.open').count()) await page.click('#results-bar');

    // A description with its drawing and slide.
    await page.click('#results-bar');
    await page.locator('#species .species-name').first().click();
    await closeMessages(page);
    await page.waitForSelector('#window-description:not([hidden])');
    assert.ok((await page.textContent('#description-text')).trim().length > 0, 'description text');
    await pictureShown(page, '#description-picture img');
    await shot(page, 'phone-description');
    await assertFitsPhone(page, 'in the description');
    await page.click('#description-slide');
    await pictureShown(page, '#slide-picture img');
    await shot(page, 'phone-slide');
    await page.click('#window-slide [data-close-window]');
    await page.click('#description-close');
    await closeMessages(page);

    // The first visit keeps the common pictures and those of its language only (the
    // bundled key's English ones are the common ones); another language keeps its own, the
    // sign counting again before it says "Ready offline".
    await page.waitForSelector('#offline.ready', {timeout: 60000});
    await shot(page, 'phone-offline-ready');
    const english = await keptPictures(page);
    assert.equal(english.missing, 0, 'the packs and the common pictures kept');
    assert.deepEqual(english.kept, {'': english.all['']}, 'no picture of another language kept');
    await page.evaluate(() => {
        window.signTexts = [];
        const sign = document.getElementById('offline');
        new MutationObserver(() => window.signTexts.push(`${sign.className}: ${sign.textContent}`)).observe(sign, {childList: true, attributes: true});
    });
    const englishClear = await page.textContent('#clear-all');
    await menu(page, 'Deutsch');
    await shot(page, 'phone-offline-keeping');
    const germanClear = await page.textContent('#clear-all');
    assert.notEqual(germanClear, englishClear, 'the captions change with the language');
    await page.waitForSelector('#offline.ready', {timeout: 60000});
    const signs = await page.evaluate(() => window.signTexts);
    const isReady = (sign) => sign.startsWith('offline ready');
    const firstCount = signs.findIndex((sign) => /^offline: .* \d+ %$/.test(sign));
    const counted = signs.slice(firstCount);
    const readyAt = counted.findIndex(isReady);
    assert.ok(firstCount >= 0 && readyAt > 0 && counted.slice(readyAt).every(isReady),
        `the keeping counted, then ready for good: ${signs}`);
    const german = await keptPictures(page);
    assert.ok(german.all.D > 0, 'the key has German pictures');
    assert.deepEqual(german.kept, {'': german.all[''], D: german.all.D}, 'the German pictures kept as well');
    assert.equal(german.missing, 0);
    server.stop();
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await closeMessages(page);
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'served by the service worker');
    assert.equal(await page.textContent('#clear-all'), germanClear, 'the language was kept');
    assert.ok(await page.locator('.row').count() > 0, 'the genus of the visit came back from the cache');
    await page.click('#menu-button');
    await page.click('#menu-genera');
    await closeMessages(page);
    await page.locator('#genus-items button').last().click();
    await closeMessages(page);
    assert.notEqual(await page.textContent('#caption'), genusCaption, 'another genus, its caption in German');
    await chooseState(page, 0, 0);
    await page.click('#results-bar');
    await page.locator('#species .species-name').first().click();
    await closeMessages(page);
    await pictureShown(page, '#description-picture img');
    await shot(page, 'phone-offline-description');
    // Offline, a language whose pictures are not kept: not ready, and its drawing says why it
    // is missing instead of a broken image.
    await page.click('#description-close');
    await closeMessages(page);
    await menu(page, 'Français');
    if (await page.locator('#results.open').count()) await page.click('#results-bar');
    await chooseState(page, 0, 0);
    await page.click('#results-bar');
    await page.locator('#species .species-name').first().click();
    await closeMessages(page);
    await page.waitForSelector('#description-picture .picture-missing');
    await page.locator('#description-picture').scrollIntoViewIfNeeded();
    await shot(page, 'phone-offline-picture-missing');
    assert.equal(await page.locator('#offline.ready').count(), 0, 'not ready offline in French');
    assert.deepEqual(errors, [], 'no script errors');
});

test('a desk-sized window shows characters and results side by side', async (t) => {
    const server = await serve(SITE_DIR);
    t.after(() => server.stop());
    const context = await launch(t, {viewport: {width: 1280, height: 800}});
    const {page, errors} = await open(context, server.url);
    await closeMessages(page);
    await page.click('#start-genera');
    await closeMessages(page);
    await page.locator('#genus-items button').first().click();
    await closeMessages(page);
    await chooseState(page, 0, 2);
    await chooseState(page, 3, 1);
    const rows = await page.locator('#characters').boundingBox();
    const results = await page.locator('#results').boundingBox();
    assert.ok(results.x >= rows.x + rows.width, 'the results stand right of the characters');
    await shot(page, 'desk-search');
    await page.locator('#species .species-name').first().click();
    await closeMessages(page);
    await pictureShown(page, '#description-picture img');
    await shot(page, 'desk-description');
    assert.deepEqual(errors, [], 'no script errors');
});

// The key's pictures in the service worker's cache, counted per language folder ('' for
// the common ones): those kept, those the key has, and how many text packs are missing.
async function keptPictures(page) {
    return page.evaluate(async (version) => {
        const manifest = await (await fetch('key.json')).json();
        const cache = await caches.open(`sporix-${version}`);
        const kept = new Set((await cache.keys()).map((request) => decodeURIComponent(new URL(request.url).pathname)));
        const count = {kept: {}, all: {}, missing: 0};
        for (const entry of manifest.files.filter((file) => 'picture' in file)) {
            const language = entry.language ?? '';
            count.all[language] = (count.all[language] ?? 0) + 1;
            if (kept.has(`/key/${entry.path}`)) count.kept[language] = (count.kept[language] ?? 0) + 1;
        }
        count.missing = Object.values(manifest.packs).filter((pack) => !kept.has(`/${pack.url}`)).length;
        return count;
    }, await page.getAttribute('body', 'data-ready'));
}

async function buildSite(key, site) {
    execFileSync('python3', [MAKE_SITE, '--module', process.env.SPORIX_MODULE_DIR, '--key', key, '--out', site]);
}

async function firstGenusName(page) {
    await page.click('#start-genera');
    await closeMessages(page);
    return page.locator('#genus-items button').first().textContent();
}

// The site's key changes between two visits: the second visit with a signal brings the new
// key. Texts of the key are data: markup in them shows as the characters it is made of.
test('a changed key replaces the cached one at the next visit; markup in it shows as text', async (t) => {
    const folder = await mkdtemp(path.join(os.tmpdir(), 'sporix-changed-'));
    t.after(() => rm(folder, {recursive: true, force: true}));
    const key = path.join(folder, 'key');
    const site = path.join(folder, 'site');
    await cp(process.env.SPORIX_KEY_DIR, key, {recursive: true});
    await buildSite(key, site);
    let server = await serve(site);
    t.after(() => server.stop());
    const {page} = await open(await launch(t, PHONE), server.url);
    await closeMessages(page);
    const before = await firstGenusName(page);
    await page.evaluate(() => navigator.serviceWorker.ready);

    const list = path.join(key, (await readdir(key)).find((name) => /^genuslst\.txt$/i.test(name)));
    const lines = (await readFile(list, 'latin1')).split('\r\n');
    lines[2] = '<b id=x>G</b>';
    await writeFile(list, lines.join('\r\n'), 'latin1');
    const adviceFile = path.join(key, (await readdir(key)).find((name) => /^AdviceUK\.txt$/i.test(name)));
    const advice = (await readFile(adviceFile, 'latin1')).split('\r\n');
    advice[0] = '<i id=y>A</i>';
    await writeFile(adviceFile, advice.join('\r\n'), 'latin1');
    await buildSite(key, site);
    server.stop();
    server = await serve(site, server.port);
    // The old service worker serves this visit; the new one takes over and starts the page again.
    const version = JSON.parse(await readFile(path.join(site, 'key.json'), 'utf8')).version;
    await page.reload();
    await page.waitForFunction((v) => document.body.dataset.ready === v, version, {timeout: 30000});
    await closeMessages(page);
    assert.notEqual(before, '<b id=x>G</b>');
    assert.equal(await firstGenusName(page), '<b id=x>G</b>', 'the new key, its markup as text');
    await page.locator('#genus-items button').first().click();
    await closeMessages(page);
    assert.match(await page.textContent('#caption'), /<b id=x>G<\/b>$/);
    assert.equal(await page.locator('#x').count(), 0, 'no element made from the key\'s text');
    assert.match(await page.textContent('#advisor-button'), /<i id=y>A<\/i>$/, 'the advisor\'s caption as text');
    assert.equal(await page.locator('#y').count(), 0, 'no element made from the advice texts');
});
