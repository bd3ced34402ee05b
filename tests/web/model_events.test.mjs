// What the module raises on the page: a check only for a real change, and
// the run-time error report, on the module built from a faulty layout
// (tests/web/fault_page.cc): once, with the error's number, and then the
// form takes no more input.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';

import { openPage, pageSession } from './support/browser.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kFaultPage } from './support/paths.mjs';

const session = pageSession();

test('a click on the row or the option already chosen runs no check', async () => {
  const { page, context } = await openPage(session.browser, session.server.url);
  const driver = new PageDriver(page);
  await driver.clickOption(2);
  await driver.clickRow(0);
  // Only a check writes the verdict into the box again.
  await page.evaluate(() => { document.getElementById('Text1_0').value = ''; });
  await driver.clickRow(0);
  await driver.clickOption(2);
  assert.equal(await driver.message(), '');
  await context.close();
});

test('a run-time error is reported once and leaves the form inert', async () => {
  const context = await session.browser.newContext({ viewport: { width: 527, height: 345 } });
  const page = await context.newPage();
  await page.route('**/trovanel.js', (route) =>
    route.fulfill({ path: join(kFaultPage, 'trovanel_fault_page.js') }));
  await page.route('**/trovanel_fault_page.wasm', (route) =>
    route.fulfill({ path: join(kFaultPage, 'trovanel_fault_page.wasm'),
                    contentType: 'application/wasm' }));
  const reports = [];
  page.on('dialog', (dialog) => {
    reports.push(dialog.message());
    return dialog.accept();
  });
  await page.goto(session.server.url);
  await page.waitForSelector('.form:not([inert])', { state: 'attached' });
  const driver = new PageDriver(page);

  await driver.clickOption(3);
  assert.deepEqual(reports, [], 'one choice checks nothing');
  await driver.clickRow(0);  // the check reads gait 3's key, which is gone
  assert.deepEqual(reports, ['Грешка при изпълнение 3: редът е извън списъка']);
  assert.equal(await page.locator('.form[inert]').count(), 1);

  const message = await driver.message();
  const option = await page.locator('#Option1_0').boundingBox();
  await page.mouse.click(option.x + option.width / 2, option.y + option.height / 2);
  await page.keyboard.press('Tab');
  await page.keyboard.press('ArrowDown');
  assert.equal(await driver.chosen(), '3');
  assert.equal(await driver.selected(), '0');
  assert.equal(await driver.message(), message);
  assert.equal(reports.length, 1);
  await context.close();
});
