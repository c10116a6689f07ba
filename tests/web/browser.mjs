// Headless Chromium (Debian's) driven by playwright-core, and a loopback server for a site.
import {spawn} from 'node:child_process';
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';

import {chromium} from 'playwright-core';

const CHROMIUM = process.env.SPORIX_CHROMIUM ?? '/usr/bin/chromium';
const FLAGS = ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'];

// `python3 -m http.server` on a loopback port (a free one by default); resolves once it listens.
export function serve(siteDir, port = 0) {
    const server = spawn('python3', ['-u', '-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', siteDir],
        {stdio: ['ignore', 'pipe', 'ignore']});
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
