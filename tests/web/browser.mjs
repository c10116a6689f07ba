// Headless Chromium (Debian's) driven by playwright-core, and a loopback server for a site.
import {spawn} from 'node:child_process';
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {chromium} from 'playwright-core';

const CHROMIUM = process.env.SPORIX_CHROMIUM ?? '/usr/bin/chromium';
const FLAGS = ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'];

const SERVE = fileURLToPath(new URL('../../web/serve.py', import.meta.url));

// The site's server (web/serve.py) on a loopback port (a free one by default); resolves once
// it listens.
export function serve(siteDir, port = 0) {
    const server = spawn('python3', ['-u', SERVE, siteDir, String(port)], {stdio: ['ignore', 'pipe', 'ignore']});
    return new Promise((resolve, reject) => {
        let output = '';
        server.stdout.on('data', (chunk) => {
            output += chunk;
            const listening = /port (\d+)/.exec(output)?.[1];
            if (listening) resolve({url: `http://127.0.0.1:${listening}/`, port: Number(listening), stop: () => server.kill()});
        });
        server.on('exit', (code) => reject(new Error(`http.server ended (${code}): ${output}`)));
    });
}

// A fresh profile each time: no service worker or storage from an earlier run.
export async function launch(t, options) {
    const profile = await mkdtemp(path.join(os.tmpdir(), 'sporix-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {executablePath: CHROMIUM, headless: true, args: FLAGS, ...options});
    t.after(async () => {
        await context.close();
        await rm(profile, {recursive: true, force: true});
    });
    return context;
}

export const PHONE = {viewport: {width: 360, height: 740}, isMobile: true, hasTouch: true, deviceScaleFactor: 1};

// The mobile profile of the page auditor: 150 ms round trips, 1.6 Mbit/s down, 750 kbit/s
// up, a processor four times slower.
export const SLOW_PHONE = {latency: 150, download: 1.6 * 1024 * 1024 / 8, upload: 750 * 1024 / 8, cpuSlowdown: 4};

// The first visit over that connection, nothing cached, in milliseconds from the
// navigation (as the page marks them): until the start screen works, and until the first
// genus's rows can be tapped, leaving out the time the finger took to choose it.
export async function throttledStart(context, url, profile = SLOW_PHONE) {
    const page = await context.newPage();
    page.setDefaultTimeout(60000);
    const cdp = await context.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions',
        {offline: false, latency: profile.latency, downloadThroughput: profile.download, uploadThroughput: profile.upload});
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: profile.cpuSlowdown});
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    await page.click('#start-genera');
    await page.locator('#genus-items button').first().click();
    await page.waitForSelector('.row .row-head');
    const mark = (name) => page.evaluate((n) => performance.getEntriesByName(n)[0].startTime, name);
    const ready = await mark('sporix-ready');
    const genus = ready + (await mark('sporix-genus-shown')) - (await mark('sporix-genus-chosen'));
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: 1});
    await page.close();
    return {ready, genus};
}
