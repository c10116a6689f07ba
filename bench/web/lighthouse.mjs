// The page auditor (Lighthouse, as bench/web/package-lock.json pins it) on the site's start,
// with its mobile profile, driving Debian's Chromium headless; then the first genus over the
// same connection (the auditor cannot choose one). Prints the figures of
// docs/performance.md; asserts nothing.
//
//     (cd bench/web && npm ci) && node bench/web/lighthouse.mjs SITE_DIR [RUNS]
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';

import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

import {PHONE, launch, serve, throttledStart} from '../../tests/web/browser.mjs';

const [siteDir, runs = '3'] = process.argv.slice(2);
const CHROMIUM = process.env.SPORIX_CHROMIUM ?? '/usr/bin/chromium';
// Without the network flags Chromium calls out to services this machine cannot reach.
const FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-default-apps'];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// One audit in a fresh profile: nothing cached, no service worker yet.
async function audit(url) {
    const profile = await mkdtemp(path.join(os.tmpdir(), 'sporix-lighthouse-'));
    const chrome = await chromeLauncher.launch({chromePath: CHROMIUM, chromeFlags: FLAGS, userDataDir: profile});
    try {
        const {lhr} = await lighthouse(url, {port: chrome.port, output: 'json', logLevel: 'error',
            onlyCategories: ['performance', 'accessibility']});
        const ms = (id) => lhr.audits[id].numericValue;
        return {performance: lhr.categories.performance.score * 100, accessibility: lhr.categories.accessibility.score * 100,
            fcp: ms('first-contentful-paint'), lcp: ms('largest-contentful-paint'), tbt: ms('total-blocking-time'),
            cls: lhr.audits['cumulative-layout-shift'].numericValue, speedIndex: ms('speed-index'), interactive: ms('interactive'),
            failed: Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id)};
    } finally {
        chrome.kill();
        await rm(profile, {recursive: true, force: true});
    }
}

const server = await serve(siteDir);
const cleanups = [() => server.stop()];
try {
    const results = [];
    for (let run = 0; run < Number(runs); ++run) results.push(await audit(server.url));
    const column = (name) => results.map((r) => r[name]);
    console.log(`| Page audit, mobile profile (median of ${results.length}) | |\n|---|---|`);
    console.log(`| Performance | ${median(column('performance')).toFixed(0)} (${column('performance').join(', ')}) |`);
    console.log(`| Accessibility | ${median(column('accessibility')).toFixed(0)} |`);
    for (const [name, id] of [['First contentful paint', 'fcp'], ['Largest contentful paint', 'lcp'], ['Speed index', 'speedIndex'],
        ['Total blocking time', 'tbt'], ['Time to interactive', 'interactive']]) {
        console.log(`| ${name} | ${median(column(id)).toFixed(0)} ms |`);
    }
    console.log(`| Cumulative layout shift | ${median(column('cls')).toFixed(3)} |`);
    const failed = [...new Set(results.flatMap((r) => r.failed))];
    if (failed.length > 0) console.log(`\nAudits not passed: ${failed.join(', ')}`);

    const t = {after: (cleanup) => cleanups.push(cleanup)};
    const starts = [];
    for (let run = 0; run < Number(runs); ++run) starts.push(await throttledStart(await launch(t, PHONE), server.url));
    console.log(`\n| First visit, same connection (median of ${starts.length}) | |\n|---|---|`);
    console.log(`| Start screen usable | ${median(starts.map((s) => s.ready)).toFixed(0)} ms |`);
    console.log(`| First genus usable | ${median(starts.map((s) => s.genus)).toFixed(0)} ms |`);
} finally {
    for (const cleanup of cleanups.reverse()) await cleanup();
}
