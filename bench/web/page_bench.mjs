// The page's first contentful paint and the moment its controls work (the
// module has bound to the form) against a floor page: one line of text in
// the same font, served the same way. Medians of interleaved loads, each in
// a fresh browser context, in headless Chromium.
//   node bench/web/page_bench.mjs [RUNS]   (BENCH_SAMPLES=1 prints every load)
import { copyFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';

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
try {
  const page = { paint: [], live: [] };
  const floor = { paint: [] };
  await load(browser, `${server.url}dist/`, true);  // warms the browser and the disk
  for (let run = 0; run < kRuns; ++run) {
    // Alternate which goes first, so neither always meets a fresher browser.
    const order = run % 2 ? ['floor', 'page'] : ['page', 'floor'];
    for (const which of order) {
      if (which === 'page') {
        const times = await load(browser, `${server.url}dist/`, true);
        page.paint.push(times.paint);
        page.live.push(times.live);
      } else {
        floor.paint.push((await load(browser, `${server.url}floor/`, false)).paint);
      }
    }
  }
  if (process.env.BENCH_SAMPLES) console.log(JSON.stringify({ page, floor }));
  const floorPaint = median(floor.paint);
  const paint = median(page.paint);
  const live = median(page.live);
  const verdict = (ratio, goal) => `${ratio.toFixed(2)} x (goal at most ${goal} x: ${ratio <= goal ? 'met' : 'MISSED'})`;
  console.log(`page, headless Chromium, ${kRuns} interleaved loads each, medians:`);
  console.log(`  floor page, first contentful paint   ${floorPaint.toFixed(1)} ms`);
  console.log(`  page, first contentful paint         ${paint.toFixed(1)} ms   ${verdict(paint / floorPaint, kPaintGoal)}`);
  console.log(`  page, controls working (module bound) ${live.toFixed(1)} ms   ${verdict(live / floorPaint, kLiveGoal)}`);
} finally {
  await browser.close();
  await server.close();
}
