// The page's first contentful paint and the moment its controls work (the
// module has bound to the form) against a floor page: one line of text in
// the same font, served the same way; and teachers' one-file pages opened
// from disk against the floor page opened from disk. Medians of interleaved
// loads, each in a fresh browser context, in headless Chromium.
//   node bench/web/page_bench.mjs [RUNS] [ONE_FILE_PAGE.html...]
//   (BENCH_SAMPLES=1 prints every load)
import { copyFileSync, mkdirSync } from 'node:fs';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchBrowser, servePage } from '../../tests/web/support/browser.mjs';
import { kRoot } from '../../tests/web/support/paths.mjs';

const kRuns = Math.max(11, Number(process.argv[2] || 21));
const kPaintGoal = 1.25;  // page's first paint, times the floor's
const kLiveGoal = 3;      // page's controls working, times the floor's first paint

// Milliseconds from the start of navigation.
async function load(browser, url, live) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  if (live) await page.waitForSelector('.form:not([inert])', { state: 'attached' });
  const times = await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((entries) => {
      const paint = entries.getEntriesByName('first-contentful-paint')[0];
      if (!paint) return;
      const bound = performance.getEntriesByName('forms-web-live')[0];
      resolve({ paint: paint.startTime, live: bound?.startTime });
    }).observe({ type: 'paint', buffered: true });
  }));
  await context.close();
  return times;
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[(sorted.length - 1) >> 1];
};

const web = join(kRoot, 'build-web');
mkdirSync(join(web, 'floor'), { recursive: true });
copyFileSync(new URL('floor.html', import.meta.url), join(web, 'floor', 'index.html'));
const [server, browser] = await Promise.all([servePage(web), launchBrowser()]);
const oneFilePages = process.argv.slice(3);
const verdict = (ratio, goal) => `${ratio.toFixed(2)} x (goal at most ${goal} x: ${ratio <= goal ? 'met' : 'MISSED'})`;
const ms = (value) => `${value.toFixed(1)} ms`.padStart(9);

// Loads the page and its floor in turn, `kRuns` times each; their medians.
async function compare(pageUrl, floorUrl) {
  const page = { paint: [], live: [] };
  const floor = { paint: [] };
  await load(browser, pageUrl, true);  // warms the browser and the disk
  for (let run = 0; run < kRuns; ++run) {
    // Alternate which goes first, so neither always meets a fresher browser.
    const order = run % 2 ? ['floor', 'page'] : ['page', 'floor'];
    for (const which of order) {
      if (which === 'page') {
        const times = await load(browser, pageUrl, true);
        page.paint.push(times.paint);
        page.live.push(times.live);
      } else {
        floor.paint.push((await load(browser, floorUrl, false)).paint);
      }
    }
  }
  if (process.env.BENCH_SAMPLES) console.log(JSON.stringify({ page, floor }));
  return { floor: median(floor.paint), paint: median(page.paint), live: median(page.live) };
}

function report(what, floorWhat, times) {
  console.log(`  ${floorWhat}, first contentful paint ${ms(times.floor)}`);
  console.log(`  ${what}, first contentful paint ${ms(times.paint)}   ${verdict(times.paint / times.floor, kPaintGoal)}`);
  console.log(`  ${what}, controls working       ${ms(times.live)}   ${verdict(times.live / times.floor, kLiveGoal)}`);
}

try {
  console.log(`page, headless Chromium, ${kRuns} interleaved loads each, medians:`);
  report('page, served        ', 'floor page, served  ',
         await compare(`${server.url}dist/`, `${server.url}floor/`));
  for (const file of oneFilePages) {
    console.log(`  ${basename(file)}, a one-file page opened from disk:`);
    report('one-file page, disk ', 'floor page, disk    ',
           await compare(pathToFileURL(resolve(file)).href,
                         new URL('floor.html', import.meta.url).href));
  }
} finally {
  await browser.close();
  await server.close();
}
