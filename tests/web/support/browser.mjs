// Debian's Chromium, headless, in a fresh profile, quiet on a closed
// network, and the page served on 127.0.0.1 by a server the caller stops.
import { createRequire } from 'node:module';
import { after, before } from 'node:test';

import { chromium } from 'playwright-core';

import { startServer } from '../../../tools/serve_page.mjs';
import { kDist } from './paths.mjs';

const kQuiet = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// With `scrollbars`, the page's scroll bars are drawn as on a desktop.
export function launchBrowser({ scrollbars = false } = {}) {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: kQuiet,
    ignoreDefaultArgs: scrollbars ? ['--hide-scrollbars'] : [],
  });
}

export function servePage(dir = kDist) {
  return startServer(dir);
}

// A phone: a screen of 360 x 740 CSS pixels, two device pixels to the CSS
// pixel, and touch.
export const kPhone = { isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
export const kPhoneViewport = { width: 360, height: 740 };

// A fresh page at 100 % zoom, once the module has bound to the form; on a
// desktop unless `device` says otherwise (kPhone).
export async function openPage(browser, url, viewport = { width: 527, height: 345 },
                               device = { deviceScaleFactor: 1 }) {
  const context = await browser.newContext({ viewport, ...device });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  await page.goto(url);
  await page.waitForSelector('.form:not([inert])', { state: 'attached' });
  return { page, context, errors };
}

// For a test file: the page's server and a browser, started before its tests
// and stopped after them; `session.server` and `session.browser` once up.
export function pageSession(browserOptions) {
  const session = {};
  before(async () => {
    [session.server, session.browser] =
      await Promise.all([servePage(), launchBrowser(browserOptions)]);
  });
  after(async () => {
    await session.browser?.close();
    await session.server?.close();
  });
  return session;
}

// What every rule axe-core runs by default finds in the page as it stands.
export async function axeViolations(page) {
  if (!(await page.evaluate(() => 'axe' in window))) {
    await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core') });
  }
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return found.map((v) => `${v.impact} ${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
}
