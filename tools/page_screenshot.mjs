// Renders the page after one answer to a PNG for the README, in headless
// Chromium at 100 % zoom, with the page served on 127.0.0.1.
//   node tools/page_screenshot.mjs OUT.png      (make screenshot)
import { writeFileSync } from 'node:fs';

import { launchBrowser, openPage, servePage } from '../tests/web/support/browser.mjs';
import { PageDriver } from '../tests/web/support/page_driver.mjs';

const out = process.argv[2];
if (!out) {
  console.error('usage: node tools/page_screenshot.mjs OUT.png');
  process.exit(2);
}
const [server, browser] = await Promise.all([servePage(), launchBrowser({ scrollbars: true })]);
try {
  const { page } = await openPage(browser, server.url);
  const driver = new PageDriver(page);
  await driver.clickRow(1);
  await driver.clickOption(3);
  writeFileSync(out, await page.screenshot({ caret: 'hide' }));
  console.log(`page: ${out}`);
} finally {
  await browser.close();
  await server.close();
}
