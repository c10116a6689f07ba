// The page as a phone is used: taps that leave the states in place, Back that closes the
// window on top, choices kept over a reload, the results bar as the engine shows it, the
// accessibility checker's verdict at each stage, and a first start over a slow connection
// (its time reported, not asserted).
import assert from 'node:assert/strict';
import {createRequire} from 'node:module';
import test from 'node:test';

import {PHONE, launch, serve, throttledStart} from './browser.mjs';
import {chooseState, closeMessages, menu, open, shot} from './steps.mjs';

const SITE_DIR = process.env.SPORIX_SITE_DIR;
const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

async function assertAccessible(page, where) {
    if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({path: AXE});
    const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
        .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`));
    assert.deepEqual(violations, [], `accessibility ${where}`);
}

const places = (page) => page.locator('.row.open .states button').evaluateAll((buttons) =>
    buttons.map((button) => {
        const box = button.getBoundingClientRect();
        return `${button.textContent} ${Math.round(box.x)},${Math.round(box.y)}`;
    }));

const shownWindows = (page) => page.locator('section.window:not([hidden])').count();

async function openSpecies(page, index) {
    if (!(await page.locator('#results.open').count())) await page.click('#results-bar');
    await page.locator('#species .species-name').nth(index).click();
    await closeMessages(page);
    await page.waitForSelector('#window-description:not([hidden])');
}

test('taps keep the states in place, Back closes the top window, choices outlive a reload', async (t) => {
    const server = await serve(SITE_DIR);
    t.after(() => server.stop());
    const {page, errors} = await open(await launch(t, PHONE), server.url);
    assert.equal(await page.locator('#message[open]').count(), 0, 'no message at the first start');
    await assertAccessible(page, 'at the start');
    assert.equal(await page.getAttribute('#results-bar', 'aria-label'), 'Results', 'the empty bar has a name');

    // A language before any genus only changes the language: the page's words too.
    await menu(page, 'Deutsch');
    assert.equal(await page.locator('#message[open]').count(), 0, 'no message for a language without a genus');
    assert.equal(await page.getAttribute('html', 'lang'), 'de');
    assert.equal(await page.getAttribute('#menu-button', 'aria-label'), 'Menü');
    await menu(page, 'English');

    await page.click('#start-genera');
    await page.locator('#genus-items button').first().click();
    await page.waitForSelector('.row');
    assert.equal(await page.locator('.row.open').count(), 0, 'a new genus opens no row');
    assert.equal(await page.evaluate(() => window.scrollY), 0, 'a new genus starts at the top');

    // Two taps in the open row: nothing moves, not even on the first choice.
    await page.locator('.row-head').first().click();
    await assertAccessible(page, 'with a row open');
    const before = await places(page);
    await page.locator('.row.open .state:not(.none)').nth(1).click();
    assert.deepEqual(await places(page), before, 'the first tap moved the states');
    await page.locator('.row.open .state:not(.none)').nth(2).click();
    assert.deepEqual(await places(page), before, 'the second tap moved the states');
    await shot(page, 'phone-row-chosen');
    const choice = await page.locator('.row-choice').first().textContent();
    await chooseState(page, 1, 0);

    await page.click('#results-bar');
    await assertAccessible(page, 'in the results');

    // A description scrolled down, Back, and a second one: at its top, named in its caption.
    await openSpecies(page, 0);
    await page.locator('#window-description .window-body').evaluate((body) => { body.scrollTop = body.scrollHeight; });
    await page.goBack();
    await page.waitForSelector('#window-description', {state: 'hidden'});
    assert.equal(await page.locator('#results.open').count(), 1, 'Back closed only the description');
    const second = (await page.locator('#species .species-name').nth(1).textContent()).replace(/^\w\./, '');
    await openSpecies(page, 1);
    assert.equal(await page.locator('#window-description .window-body').evaluate((body) => body.scrollTop), 0, 'opens at its top');
    assert.ok((await page.textContent('#caption-description')).endsWith(second), 'the caption names the species');
    await assertAccessible(page, 'in a description');
    await page.goBack();
    await page.waitForSelector('#window-description', {state: 'hidden'});

    // A comparison of two: two species headings, no empty third, nothing beyond the width.
    await page.locator('#species .tick input').nth(0).check();
    await page.locator('#species .tick input').nth(1).check();
    await page.click('#compare');
    await closeMessages(page);
    await page.waitForSelector('#window-comparison:not([hidden])');
    assert.equal(await page.locator('#comparison-table thead th').count(), 4, 'character, choice and two species');
    assert.ok(await page.locator('#window-comparison .window-body').evaluate((body) => body.scrollWidth <= body.clientWidth),
        'the comparison fits the width');
    await assertAccessible(page, 'in a comparison');
    await shot(page, 'phone-comparison-two');
    await page.goBack();
    await page.waitForSelector('#window-comparison', {state: 'hidden'});
    await page.goBack();
    assert.equal(await page.locator('#results.open').count(), 0, 'Back closed the results');
    assert.equal(await shownWindows(page), 0);
    assert.equal(await page.evaluate(() => history.state.sporixDepth), 0, 'back at the entry of no window');
    assert.equal(new URL(page.url()).origin, new URL(server.url).origin, 'still in the player');

    await page.reload();
    await page.waitForSelector('body[data-ready]');
    assert.equal(await page.locator('.row-choice').first().textContent(), choice, 'the choices outlived the reload');

    // Clear all: the bar shows what the engine shows, greyed as it greys it, no species.
    await page.click('#clear-all');
    await closeMessages(page);
    assert.equal((await page.textContent('#results-caption')).trim(), (await page.textContent('#label43')).trim());
    assert.equal(await page.locator('#results-caption.greyed').count(), 1, 'the count is greyed');
    assert.equal(await page.textContent('#results-top'), '', 'no first species over an empty list');
    assert.deepEqual(errors, [], 'no script errors');
});

test('the first start over a slow connection, nothing cached (reported)', async (t) => {
    const server = await serve(SITE_DIR);
    t.after(() => server.stop());
    const {ready, genus} = await throttledStart(await launch(t, PHONE), server.url);
    t.diagnostic(`throttled start: usable after ${Math.round(ready)} ms, first genus after ${Math.round(genus)} ms`);
    assert.ok(genus >= ready);
});
