// The site build: the key's texts packed for the page (every file back byte for byte from
// its pack), a picture cut short after its header left unshown, and a broken key stopped
// before any site is built from it.
import assert from 'node:assert/strict';
import {execFileSync, spawnSync} from 'node:child_process';
import {cp, mkdtemp, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import {fileURLToPath} from 'node:url';

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const KEY_DIR = process.env.SPORIX_KEY_DIR;

async function scratch(t) {
    const folder = await mkdtemp(path.join(os.tmpdir(), 'sporix-site-'));
    t.after(() => rm(folder, {recursive: true, force: true}));
    return folder;
}

test('texts packed per genus, a cut picture left unshown', async (t) => {
    const folder = await scratch(t);
    const key = path.join(folder, 'key');
    const site = path.join(folder, 'site');
    await cp(KEY_DIR, key, {recursive: true});
    const genus = (await readdir(key, {withFileTypes: true})).find((entry) => entry.isDirectory()).name;
    const jpeg = (await readdir(path.join(key, genus))).find((name) => /\.jpg$/i.test(name));
    const bytes = await readFile(path.join(key, genus, jpeg));
    await writeFile(path.join(key, genus, jpeg), bytes.subarray(0, Math.floor(bytes.length / 2)));
    execFileSync('python3', [path.join(ROOT, 'web/make_site.py'), '--key', key, '--out', site, '--key-only'], {stdio: 'ignore'});

    const manifest = JSON.parse(await readFile(path.join(site, 'key.json'), 'utf8'));
    const packs = Object.fromEntries(await Promise.all(Object.entries(manifest.packs).map(async ([name, pack]) =>
        [name, await readFile(path.join(site, pack.url))])));
    const texts = manifest.files.filter((entry) => !('picture' in entry));
    assert.ok(texts.length > 0);
    for (const entry of texts) {
        const packed = packs[entry.pack].subarray(entry.offset, entry.offset + entry.size);
        assert.ok(packed.equals(await readFile(path.join(key, entry.path))), `${entry.path} from pack "${entry.pack}"`);
    }
    const upper = genus.toUpperCase();
    assert.ok(texts.some((e) => e.pack === upper) && texts.some((e) => e.pack === `${upper}/`), 'a genus has its two packs');
    assert.ok(texts.filter((e) => e.pack === '').every((e) => !e.path.includes('/')), 'the start pack holds no genus folder');
    const pictures = manifest.files.filter((entry) => 'picture' in entry);
    assert.equal(pictures.find((entry) => entry.path === `${genus}/${jpeg}`).picture, null, 'the cut picture has no size');
    assert.ok(pictures.filter((entry) => entry.picture !== null).length > 1, 'whole pictures keep theirs');
});

test('a key with a broken species file builds no site', async (t) => {
    const folder = await scratch(t);
    const key = path.join(folder, 'key');
    await cp(KEY_DIR, key, {recursive: true});
    const species = (await readdir(key)).filter((name) => /\.spe$/i.test(name)).sort()[0];
    await writeFile(path.join(key, species), Buffer.from(Array.from({length: 20000}, (_, i) => (i * 7919 + 13) % 256)));
    const site = path.join(folder, 'site');
    const build = spawnSync(path.join(ROOT, 'scripts/build-site.sh'), [key], {env: {...process.env, SPORIX_SITE_DIR: site}, encoding: 'utf8'});
    assert.notEqual(build.status, 0, 'the build stopped');
    assert.match(build.stderr, new RegExp(`${species}:\\d+: error: `), 'the errors are named');
    assert.equal(spawnSync('test', ['-e', site]).status, 1, 'no site was written');
});
