// End to end: the site in Debian's headless Chromium, driven as a person
// would, with the pointer and with the keyboard alone.
//   node site_e2e.mjs SITE_DIRECTORY
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { gzipSync } from 'node:zlib';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';
import { accessibleListing, readGolden } from './accessible_listing.mjs';
import { meetsPage, readEntryTable, runEntryTable } from './entry_table.mjs';

const site = process.argv[2];
const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.jpg': 'image/jpeg', '.ico': 'image/x-icon' };
const fail = (message) => { console.error(`FAIL: ${message}`); process.exitCode = 1; throw new Error(message); };

// What a first visit downloads for the program: at most 64 KB compressed.
const programBytes = (await Promise.all(['velkorn.wasm', 'velkorn.js'].map(async (name) =>
  gzipSync(await readFile(join(site, name)), { level: 9 }).length))).reduce((a, b) => a + b);
if (programBytes > 64 * 1024) fail(`the program is ${programBytes} bytes compressed, over 64 KB`);
console.log(`ok: the program is ${(programBytes / 1024).toFixed(1)} KB compressed`);

const server = createServer(async (request, response) => {
  let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
  if (path.endsWith('/')) path += 'index.html';
  try {
    const body = await readFile(join(site, path));
    response.writeHead(200, { 'Content-Type': types[extname(path)] || 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
  headless: true,
});
const deadline = { timeout: 15000 };
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.goto(address, { waitUntil: 'load' });
  const box = (name) => page.$eval(`.card input[data-name="${name}"]`, (input) => input.value);
  const control = async (name) => {
    const element = await page.waitForSelector(`.card [data-name="${name}"]`, deadline);
    return element;
  };
  // axe-core on the page as it is, in normal and in forced colours.
  const accessible = async (what) => {
    await page.evaluate(axeSource);
    // Puppeteer's own call knows no forced-colors: the protocol's does.
    const session = await page.createCDPSession();
    // Forced colours light and dark: the model chooses the captions' colours
    // from the forced ones.
    const colours = (forced, scheme) => session.send('Emulation.setEmulatedMedia', {
      features: [{ name: 'forced-colors', value: forced }, { name: 'prefers-color-scheme', value: scheme }],
    });
    for (const [forced, scheme] of [['none', 'light'], ['active', 'light'], ['active', 'dark']]) {
      await colours(forced, scheme);
      const violations = await page.evaluate(async () =>
        (await axe.run(document)).violations.map((v) => `${v.id} at ${v.nodes[0].target.join(" ")}`));
      if (violations.length > 0) {
        fail(`axe-core on ${what}, forced colours ${forced} (${scheme}): ${violations.join(', ')}`);
      }
    }
    await colours('none', 'light');
    await session.detach();
  };
  const waitForBox = async (name, text, what) => {
    try {
      await page.waitForFunction((n, t) => document.querySelector(`.card input[data-name="${n}"]`)?.value === t,
                                 deadline, name, text);
    } catch {
      fail(`${what}: ${name} reads '${await box(name)}', not '${text}'`);
    }
  };
  // What a screen reader meets: the golden listings, as on the desktop.
  const sameListing = async (title, golden) => {
    const card = `.card[aria-label="${title}"]:not([style*="display: none"])`;
    await page.waitForSelector(card, deadline);
    const expected = readGolden(await readFile(new URL(`../golden/${golden}`, import.meta.url), 'utf8'));
    const seen = await accessibleListing(page, card);
    if (seen !== expected) fail(`${title}'s accessibility tree differs from ${golden}:\n${seen}`);
  };
  // The clock's first reading comes with its timer's first tick.
  await page.waitForFunction(() => document.querySelector('.card [data-name="Label11"]')?.textContent, deadline);
  await sameListing('Velkorn Calculator', 'main.txt');
  console.log('ok: the main window\'s accessibility tree is its golden listing');
  // Keypad 1 writes into Input 1, keypad 2 into Input 2; + gives Output.
  for (const key of ['Image1', 'Image2', 'Image13', 'Image21']) {
    await (await control(key)).click();
  }
  await waitForBox('Text3', '15', '12 + 3 by clicks');
  console.log('ok: 12 + 3 = 15 by clicks');
  await accessible('the main window');
  // Keyboard alone: Alt+C clears, the boxes take the keys, Alt+M subtracts,
  // and a chord that is no shortcut types nothing.
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyC');
  await page.keyboard.up('Alt');
  await waitForBox('Text1', '', 'Alt+C');
  await (await control('Text1')).focus();
  await page.keyboard.type('12');
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyH');
  await page.keyboard.up('Alt');
  await page.keyboard.press('Tab');
  await page.keyboard.type('3');
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyM');
  await page.keyboard.up('Alt');
  await waitForBox('Text3', '9', '12 - 3 from the keyboard');
  await waitForBox('Text1', '12', 'Alt+H in Input 1');
  console.log('ok: 12 - 3 = 9 from the keyboard, and Alt+H types nothing');
  // A paste cut to the box's room is one edit, which one Ctrl+Z takes back.
  await (await control('Text1')).focus();
  await page.keyboard.sendCharacter('1234567890123456789'); // as an input method commits it
  await waitForBox('Text1', '121234567890123', 'a long insertion after 12');
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyZ');
  await page.keyboard.up('Control');
  await waitForBox('Text1', '12', 'Ctrl+Z after the cut insertion');
  console.log('ok: an insertion is cut to 15 characters, and Ctrl+Z takes it back whole');
  // A screen reader's press (a click no pointer made) is a click.
  await (await control('Image4')).evaluate((key) => key.click());
  await waitForBox('Text1', '124', 'a press of keypad 1\'s 4');
  // The background drags the window within the page.
  const main = await page.$('.card[aria-label="Velkorn Calculator"]');
  const before = await main.boundingBox();
  await page.mouse.move(before.x + 5, before.y + 5);
  await page.mouse.down();
  await page.mouse.move(before.x + 45, before.y + 35, { steps: 4 });
  await page.mouse.up();
  const after = await main.boundingBox();
  if (after.x - before.x !== 40 || after.y - before.y !== 30) {
    fail(`a drag by (40, 30) moved the main window by (${after.x - before.x}, ${after.y - before.y})`);
  }
  console.log('ok: a press of a key by a screen reader types it, and the background drags the window');
  // Keyboard alone through About: Alt+A opens it, Esc closes it, and the
  // main window has the keyboard back where it was.
  await (await control('Text1')).focus();
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Alt');
  await page.waitForSelector('.card[aria-label="About"]:not([style*="display: none"])', deadline);
  await page.keyboard.press('Escape');
  await page.waitForSelector('.card[aria-label="About"][style*="display: none"]', deadline);
  await page.keyboard.type('5');
  await waitForBox('Text1', '1245', 'a key after About was closed by Esc');
  console.log('ok: About opened by Alt+A and closed by Esc gives the keyboard back to Input 1');
  // An error is a dialog the model waits for: Plus on empty boxes, then OK.
  await (await control('Image25')).click();
  await (await control('Image21')).click();
  const dialog = await page.waitForSelector('dialog.error[open]', deadline);
  const message = await dialog.evaluate((d) => d.querySelector('p').textContent);
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.querySelector('dialog.error'), deadline);
  await (await control('Image1')).click();
  await waitForBox('Text1', '1', 'a click after the error box');
  console.log(`ok: an error shows "${message}" in a dialog, and the calculator goes on once it is closed`);
  // About by its button; Alt+C shows the warning in Chinese and checks it.
  await (await control('Image26')).click();
  await page.waitForSelector('.card[aria-label="About"]:not([style*="display: none"])', deadline);
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyC');
  await page.keyboard.up('Alt');
  try {
    await page.waitForFunction(() => {
      const about = document.querySelector('.card[aria-label="About"]');
      const chinese = about.querySelector('[data-name="Label5"]');
      const picture = about.querySelector('[data-name="Image2"]');
      return chinese.getAttribute('aria-checked') === 'true' && !picture.hidden;
    }, deadline);
  } catch {
    fail('Alt+C in About did not show and check Chinese');
  }
  console.log('ok: About opens by its button, and Alt+C shows and checks Chinese');
  await sameListing('About', 'about-chinese.txt');
  await page.keyboard.press('F1'); // Help, from About, which lies over the main window
  await sameListing('Help', 'help.txt');
  console.log('ok: About in Chinese and Help give their golden listings');
  await accessible('the main window, Help and About in Chinese');
  console.log('ok: axe-core finds no violation on the main window, Help and About, in normal and forced colours');
  // Every way text enters a box, as on the desktop, in a page of its own.
  await browser.defaultBrowserContext().overridePermissions(address, ['clipboard-read', 'clipboard-write',
                                                                      'clipboard-sanitized-write']);
  const entryPage = await browser.newPage();
  await entryPage.goto(address, { waitUntil: 'load' });
  await entryPage.bringToFront();
  const rows = (await readEntryTable()).filter(meetsPage);
  const failures = await runEntryTable(entryPage, rows);
  if (failures.length > 0) fail(`the entry table, ${failures.length} of ${rows.length} rows:\n${failures.join('\n')}`);
  console.log(`ok: the entry table's ${rows.length} rows`);
  await entryPage.close();
  await page.bringToFront();
  // The pictures for the screen's pixels: twice-size drawings above 100 %.
  for (const [ratio, drawing] of [[1.25, '@2x'], [2, '@2x'], [1, '']]) {
    const scaled = await browser.newPage();
    await scaled.setViewport({ width: 800, height: 600, deviceScaleFactor: ratio });
    await scaled.goto(address, { waitUntil: 'load' });
    const face = () => scaled.$eval('.card [data-name="Image1"]', (i) => i.getAttribute('src') || '');
    try {
      await scaled.waitForFunction((d) => (document.querySelector('.card [data-name="Image1"]')
                                            ?.getAttribute('src') || '').endsWith(`face-1${d}.jpg`),
                                   deadline, drawing);
    } catch {
      fail(`at ${ratio}, a face is '${await face()}'`);
    }
    await scaled.close();
  }
  console.log('ok: at 125 % and 200 % the twice-size drawings, at 100 % the plain ones');
  // Offline after the first visit: every file kept by the service worker.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await page.reload({ waitUntil: 'load' });
  for (const key of ['Image3', 'Image14', 'Image21']) {
    await (await control(key)).click();
  }
  await waitForBox('Text3', '7', '3 + 4 offline');
  await page.setOfflineMode(false);
  const manifest = await page.$eval('link[rel=manifest]', (link) => link.href);
  const icons = JSON.parse(await (await fetch(manifest)).text()).icons.map((icon) => icon.sizes);
  if (!icons.includes('256x256')) fail(`the manifest's icons are ${icons}`);
  console.log(`ok: offline after the first visit, 3 + 4 = 7; the manifest names icons of ${icons.join(', ')}`);
  // Exit: the program ends at once; a tab says so and offers a new start.
  await (await control('Label2')).click();
  await page.waitForSelector('p.ended a', deadline);
  if (await page.$('.card')) fail('a card is left after Exit');
  await accessible('the page after Exit');
  console.log('ok: Exit ends the program, every card gone, and the page offers a new start');
} finally {
  await browser.close();
  server.close();
}
