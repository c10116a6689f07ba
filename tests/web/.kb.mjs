import {PHONE, launch, serve} from './browser.mjs';
const server = await serve(process.env.SITE);
const cl = []; const t = {after: (f) => cl.push(f)};
const context = await launch(t, PHONE);
const page = await context.newPage();
page.on('pageerror', (e) => console.log('ERR', e.message));
const shot = (n) => page.screenshot({path: `/tmp/x/kb-${n}.png`});
const focus = () => page.evaluate(() => { const e = document.activeElement; return `${e.tagName}#${e.id}.${e.className} "${(e.textContent||'').trim().slice(0,30)}"`; });
try {
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready]');
  await page.keyboard.press('Tab'); console.log(await focus());
  await page.keyboard.press('Enter'); await page.waitForTimeout(200); console.log('menu open', await page.locator('#menu[open]').count(), await focus());
  await shot('menu');
  await page.keyboard.press('Tab'); console.log(await focus());
  await page.keyboard.press('Enter'); await page.waitForTimeout(200); console.log(await focus());
  await page.keyboard.press('Tab'); console.log(await focus());
  await page.keyboard.press('Enter'); await page.waitForSelector('.row'); console.log('genus', await focus());
  for (let i = 0; i < 5; ++i) { await page.keyboard.press('Tab'); }
  console.log(await focus());
  await page.keyboard.press('Enter'); await page.waitForTimeout(100); console.log('row opened?', await page.locator('.row.open').count(), await focus());
  await page.keyboard.press('Tab'); await page.keyboard.press('Tab'); console.log(await focus());
  await page.keyboard.press('Enter'); await page.waitForTimeout(100); console.log('chosen', await focus(), await page.locator('.row.open .row-choice').textContent());
  await shot('chosen');
  // kind menu by arrows
  await page.click('#menu-button');
  await page.focus('#kind-1'); await page.keyboard.press('ArrowDown'); console.log('arrow', await focus());
  await page.keyboard.press('Escape'); await page.waitForTimeout(100); console.log('menu after esc', await page.locator('#menu[open]').count(), 'depth', await page.evaluate(() => history.state));
  await page.click('#menu-button');
  await page.locator('#info-items button').nth(2).click();
  await page.waitForSelector('#window-help:not([hidden])'); console.log('help focus', await focus());
  await shot('help');
  await page.keyboard.press('Escape'); await page.waitForTimeout(200); console.log('help hidden', await page.locator('#window-help[hidden]').count(), 'state', JSON.stringify(await page.evaluate(() => history.state)));
} finally { for (const f of cl.reverse()) await f(); server.stop(); }
