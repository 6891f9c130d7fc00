// The browser version beside its floor page, in the same Chromium, round by
// round in turn (round r starts with the r-th page): first contentful paint
// after navigation, and the CPU the page's renderer uses while idle. Each
// round's ratio is the site's figure over the floor's; the bench prints the
// median ratio and its interquartile range, as bench/run.sh does for the
// desktop, and the mean of the ratios' middle half.
//   node bench/web/bench.mjs SITE_DIRECTORY   (RUNS=15 IDLE_SECONDS=5 PAINT_RUNS=60)
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

// The browser tools are the tests' (tests/web, one lockfile).
const tools = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { default: puppeteer } = await import(tools.resolve('puppeteer-core'));

const site = process.argv[2];
const floorDirectory = fileURLToPath(new URL('.', import.meta.url));
const runs = Number(process.env.RUNS || 15);
const idleSeconds = Number(process.env.IDLE_SECONDS || 5);
// A paint takes a fraction of a second and comes on a frame: more rounds.
const paintRuns = Number(process.env.PAINT_RUNS || 4 * runs);
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.jpg': 'image/jpeg', '.ico': 'image/x-icon',
                '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

const server = createServer(async (request, response) => {
  let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
  const root = path.startsWith('/floor/') ? floorDirectory : site;
  if (path.startsWith('/floor/')) path = path.slice('/floor'.length);
  if (path.endsWith('/')) path += root === site ? 'index.html' : 'floor.html';
  try {
    const body = await readFile(join(root, path));
    response.writeHead(200, { 'Content-Type': types[extname(path)] || 'application/octet-stream',
                              'Cache-Control': 'no-store' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}`;
const pages = { site: `${base}/`, floor: `${base}/floor/` };

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
  headless: true,
});

async function measure(url, idleToo) {
  // A fresh context each time: nothing cached, no service worker yet.
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 800, height: 600 });
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  await page.goto(url, { waitUntil: 'load' });
  const paint = await page.evaluate(() => new Promise((resolve) => {
    const seen = performance.getEntriesByName('first-contentful-paint')[0];
    if (seen) return resolve(seen.startTime);
    new PerformanceObserver((list) => resolve(list.getEntries()[0].startTime))
      .observe({ type: 'paint', buffered: true });
  }));
  if (!idleToo) {
    await context.close();
    return { paint };
  }
  await new Promise((resolve) => setTimeout(resolve, 1000)); // settled
  const busy = async () => (await session.send('Performance.getMetrics')).metrics
    .find((metric) => metric.name === 'TaskDuration').value;
  const before = await busy();
  await new Promise((resolve) => setTimeout(resolve, idleSeconds * 1000));
  const idle = ((await busy()) - before) / idleSeconds;
  await context.close();
  return { paint, idle };
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * (sorted.length - 1) + 0.5))];
  // The mean of the middle half: a paint comes on a frame, a few
  // milliseconds apart, so a median of ratios jumps from step to step.
  const middle = sorted.slice(Math.floor(sorted.length / 4), sorted.length - Math.floor(sorted.length / 4));
  return { median: at(0.5), low: at(0.25), high: at(0.75),
           middleMean: middle.reduce((a, b) => a + b, 0) / middle.length };
};

try {
  await measure(pages.site, true); // warm-up, not counted
  await measure(pages.floor, true);
  const ratios = { paint: [], idle: [] };
  const figures = { site: { paint: [], idle: [] }, floor: { paint: [], idle: [] } };
  for (let round = 0; round < Math.max(runs, paintRuns); ++round) {
    const order = round % 2 === 0 ? ['site', 'floor'] : ['floor', 'site'];
    const seen = {};
    for (const name of order) seen[name] = await measure(pages[name], round < runs);
    for (const field of round < runs ? ['paint', 'idle'] : ['paint']) {
      if (field === 'paint' && round >= paintRuns) continue;
      figures.site[field].push(seen.site[field]);
      figures.floor[field].push(seen.floor[field]);
      ratios[field].push(seen.site[field] / Math.max(seen.floor[field], 1e-6));
    }
  }
  const show = (name, unit, scale, field) => {
    const site = median(figures.site[field].map((value) => value * scale));
    const floor = median(figures.floor[field].map((value) => value * scale));
    const ratio = median(ratios[field]);
    console.log(`${name}: site ${site.median.toFixed(2)} ${unit}, floor ${floor.median.toFixed(2)} ${unit}; ` +
                `ratio ${ratio.median.toFixed(3)} (${ratio.low.toFixed(3)}–${ratio.high.toFixed(3)}), ` +
                `middle half's mean ${ratio.middleMean.toFixed(3)}, over ${ratios[field].length} rounds`);
  };
  show('first contentful paint', 'ms', 1, 'paint');
  show('idle CPU', '% of a core', 100, 'idle');
} finally {
  await browser.close();
  server.close();
}
