import {PHONE, launch, serve, SLOW_PHONE} from './browser.mjs';
const server = await serve(process.env.SITE);
const cl = []; const t = {after: (f) => cl.push(f)};
const context = await launch(t, PHONE);
const page = await context.newPage(); page.on('console', (m) => console.log(m.text()));
const cdp = await context.newCDPSession(page);
await cdp.send('Network.enable');
await cdp.send('Network.emulateNetworkConditions', {offline: false, latency: 150, downloadThroughput: SLOW_PHONE.download, uploadThroughput: SLOW_PHONE.upload});
await cdp.send('Emulation.setCPUThrottlingRate', {rate: 4});
const reqs = [];

reqs.t0 = Date.now();
await page.goto(server.url);
await page.waitForSelector('body[data-ready]');
const now = () => page.evaluate(() => Math.round(performance.now()));
console.log('ready', await now(), 'fcp', await page.evaluate(() => performance.getEntriesByType('paint').map(p => p.name + ' ' + Math.round(p.startTime)).join(', ')));
console.log(await page.evaluate(() => performance.getEntriesByType('resource').map(r => `${r.name.split('/').slice(3).join('/')} ${Math.round(r.startTime)}-${Math.round(r.responseEnd)}`).join('\n')));
console.log(await page.evaluate(() => JSON.stringify(performance.getEntriesByType('navigation')[0], ['domInteractive','domContentLoadedEventStart','domContentLoadedEventEnd','responseEnd'])));
await page.click('#start-genera');
console.log('menu', await now());
await page.locator('#genus-items button').first().click();
console.log('clicked', await now());
await page.waitForSelector('.row .row-head');
console.log('rows', await now());

for (const f of cl.reverse()) await f(); server.stop();
