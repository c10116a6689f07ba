// The steps of the browser tests: a page opened, messages closed, menu items and states
// chosen as a finger chooses them, and what a phone's screen must hold.
import assert from 'node:assert/strict';
import {mkdir} from 'node:fs/promises';
import path from 'node:path';

const SITE_DIR = process.env.SPORIX_SITE_DIR;
export const SHOTS = process.env.SPORIX_SCREENSHOTS ?? path.resolve(SITE_DIR, '../web-screenshots');

export async function shot(page, name) {
    await mkdir(SHOTS, {recursive: true});
    await page.screenshot({path: path.join(SHOTS, `${name}.png`)});
}

export async function open(context, url) {
    const page = context.pages()[0] ?? (await context.newPage());
    page.setDefaultTimeout(10000);
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    return {page, errors};
}

export async function closeMessages(page) {
    while (await page.locator('#message[open]').count()) await page.click('#message button');
}

export async function menu(page, item) {
    await page.click('#menu-button');
    await page.locator('#menu').getByText(item, {exact: true}).first().click();
    await closeMessages(page);
}

export async function chooseState(page, rowIndex, stateIndex) {
    const row = page.locator('.row').nth(rowIndex);
    if ((await row.getAttribute('class')).split(' ').includes('open') === false) await row.locator('.row-head').click();
    await page.locator('.row.open .state:not(.none)').nth(stateIndex).click();
    await closeMessages(page);
}

export const texts = (locator) => locator.allTextContents();

// Every visible control a finger can reach is at least 44 × 44 CSS pixels, and nothing
// runs out of the window sideways.
export async function assertFitsPhone(page, where) {
    const small = await page.evaluate(() => [...document.querySelectorAll('button, label.tick, input')]
        .filter((e) => e.getClientRects().length > 0 && !e.closest('label.tick, [hidden]') || e.matches('label.tick'))
        .map((e) => [e.textContent.trim() || e.id || e.className, e.getBoundingClientRect()])
        .filter(([, r]) => r.width > 0 && (r.width < 44 || r.height < 44))
        .map(([name, r]) => `${name} ${Math.round(r.width)}×${Math.round(r.height)}`));
    assert.deepEqual(small, [], `touch targets under 44 px ${where}`);
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} px wider than the phone ${where}`);
}

export async function pictureShown(page, selector) {
    await page.waitForFunction((s) => {
        const image = document.querySelector(s);
        return image && image.complete && image.naturalWidth > 0;
    }, selector);
}

