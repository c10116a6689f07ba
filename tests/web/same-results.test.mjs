// The module under node and the desktop engine (web_same_results) take the same steps on
// every genus of the key; every update, views and messages, must match byte for byte.
import assert from 'node:assert/strict';
import {spawnSync, execFileSync} from 'node:child_process';
import {cp, mkdtemp, readdir, readFile, rm, truncate, unlink} from 'node:fs/promises';
import os from 'node:os';
import {fileURLToPath} from 'node:url';
import path from 'node:path';
import test from 'node:test';

import {Session} from './choices.mjs';
import {startPlayer} from './player.mjs';

const env = (name) => {
    assert.ok(process.env[name], `${name} must be set (tests/web/run.sh sets it)`);
    return process.env[name];
};
const MODULE_DIR = env('SPORIX_MODULE_DIR');
const SITE_DIR = env('SPORIX_SITE_DIR');
const DRIVER = env('SPORIX_NATIVE_DRIVER');
const KEY_DIR = env('SPORIX_KEY_DIR');
const MAKE_SITE = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../web/make_site.py');

async function scratch(t) {
    const folder = await mkdtemp(path.join(os.tmpdir(), 'sporix-web-'));
    t.after(() => rm(folder, {recursive: true, force: true}));
    return folder;
}

function firstDifference(expected, actual) {
    let at = 0;
    while (at < expected.length && expected[at] === actual[at]) ++at;
    const around = (text) => text.slice(Math.max(0, at - 120), at + 120);
    return `at byte ${at}\n desktop: …${around(expected)}…\n  module: …${around(actual)}…`;
}

// Runs the session on the module, replays its steps on the desktop engine in a copy of the
// site's key, and compares every update.
async function compareWithDesktop(t, siteDir) {
    const {player} = await startPlayer(MODULE_DIR, siteDir);
    const session = new Session(player).all();
    const work = await scratch(t);
    await cp(path.join(siteDir, 'key'), work, {recursive: true});
    const desktop = spawnSync(DRIVER, [work], {
        input: session.steps.join('\n') + '\n',
        maxBuffer: 1 << 30,
        env: {...process.env, QT_QPA_PLATFORM: 'offscreen'},
    });
    assert.equal(desktop.status, 0, `${DRIVER}: ${desktop.error ?? desktop.stderr}`);
    const lines = desktop.stdout.toString('utf8').split('\n').slice(0, -1);
    assert.equal(lines.length, session.updates.length, 'one update per step');
    lines.forEach((line, i) => {
        if (line !== session.updates[i]) {
            assert.fail(`step ${i + 1} "${session.steps[i]}" differs ${firstDifference(line, session.updates[i])}`);
        }
    });
    return session;
}

const parsed = (session) => session.updates.map((update) => JSON.parse(update));
const messageCount = (session) => parsed(session).reduce((sum, update) => sum + update.messages.length, 0);

test('every genus of the key: same lists, percentages, counts, greyed characters and windows', async (t) => {
    const session = await compareWithDesktop(t, SITE_DIR);
    const updates = parsed(session);
    // The run must have reached what it compares: ranked lists, rest species, descriptions.
    assert.ok(session.genusCount() >= 1, 'the key has genera');
    assert.ok(updates.some((u) => u.views.main.listBox2.some((percent) => percent !== '')), 'percentages shown');
    assert.ok(updates.some((u) => u.views.main.rows.some((row) => row.comboSilver)), 'characters greyed');
    assert.ok(updates.some((u) => u.views.description.memoLines.length > 2), 'descriptions read');
    assert.ok(updates.some((u) => u.views.comparison.memos[2].length > 0), 'species compared');
    assert.ok(updates.some((u) => u.views.slide.image1 !== null), 'slides shown');
    // The advice after every action, each of its parts met at least once.
    const advised = (section) => updates.some((u) => u.views.advisor.lines.some((line) => line.section === section));
    for (const section of ['bestCharacters', 'nearMisses', 'firstPlace', 'lookAlikes']) assert.ok(advised(section), `advice: ${section}`);
    assert.ok(updates.some((u) => u.views.main.advisor1Warns), 'the advisor\'s caption warned');
    assert.ok(updates.some((u) => u.views.main.dropDownOpenings > 0), 'a list opened from the advisor');
    assert.ok(updates.some((u) => u.views.advisor.visible), 'the advisor shown');
});

// A key with missing and broken files: the page tells the user what the desktop tells.
test('missing and broken key files give the desktop messages', async (t) => {
    const key = await scratch(t);
    await cp(KEY_DIR, key, {recursive: true});
    const names = await readdir(key);
    const first = (extension) => names.filter((name) => name.toUpperCase().endsWith(extension)).sort()[0];
    await unlink(path.join(key, first('.SPE')));
    const dutch = path.join(key, first('.FEN'));
    await truncate(dutch, Math.floor((await readFile(dutch)).length / 3));
    for (const name of names.filter((n) => /^(InitS|InfoD)\.txt$/i.test(n))) await unlink(path.join(key, name));
    const site = await scratch(t);
    execFileSync('python3', [MAKE_SITE, '--key', key, '--out', site, '--key-only']);
    const damaged = await compareWithDesktop(t, site);

    const {player} = await startPlayer(MODULE_DIR, SITE_DIR);
    assert.ok(messageCount(damaged) > messageCount(new Session(player).all()), 'the damage was met');
});
