// The page in headless Chromium, played with real input: the shared
// scenarios, every pair in both orders, and the page before its module.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { gzipSync } from 'node:zlib';

import { openPage, pageSession } from './support/browser.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kDist } from './support/paths.mjs';
import { playScenario, readAnswers, readRows, readScenarios } from './support/scenarios.mjs';

const kCorrect = 'Правилно.';
const kWrong = 'Грешка!';

const session = pageSession();

async function open() {
  const opened = await openPage(session.browser, session.server.url);
  return { ...opened, driver: new PageDriver(opened.page) };
}

describe('scenarios', () => {
  for (const scenario of readScenarios()) {
    test(scenario.name, async () => {
      const { driver, context, errors } = await open();
      await playScenario(driver, scenario);
      assert.deepEqual(errors, []);
      await context.close();
    });
  }
});

test('opens with the assignment, nothing chosen and the focus in the message box', async () => {
  const { page, driver, context } = await open();
  const text = await driver.message();
  // Five lines, each ended by CR LF in the content; a text area holds LF.
  assert.match(text, /^Различните видове движения на коня(.*\n){5}$/);
  assert.equal(text.replaceAll('\n', '\r\n').length, 655);
  assert.equal(await driver.chosen(), 'none');
  assert.equal(await driver.selected(), 'none');
  assert.equal(await driver.focus(), 'message');
  assert.deepEqual(await page.locator('#List1_0 > [role=option]').allTextContents(), readRows());
  assert.equal(await page.getAttribute('html', 'lang'), 'bg');
  assert.match(await page.textContent('title'), /^\S+ {2}Биология - видове ход на коня$/);
  const href = await page.getAttribute('link[rel=icon]', 'href');
  const icon = await page.request.get(new URL(href, session.server.url).href);
  const png = await icon.body();
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [32, 32]);
  await context.close();
});

test('every pair answers by the answer table, whichever is chosen last', async () => {
  const answers = readAnswers();
  const { driver, context } = await open();
  for (const optionLast of [false, true]) {
    for (let outer = 0; outer < 5; ++outer) {
      for (let inner = 0; inner < 5; ++inner) {
        const [gait, row] = optionLast ? [inner, outer] : [outer, inner];
        if (optionLast) {
          await driver.clickRow(row);
          await driver.clickOption(gait);
        } else {
          await driver.clickOption(gait);
          await driver.clickRow(row);
        }
        const pair = `gait ${gait}, row ${row}`;
        assert.equal(await driver.chosen(), String(gait), pair);
        assert.equal(await driver.selected(), String(row), pair);
        assert.equal(await driver.message(), answers[gait] === row ? kCorrect : kWrong, pair);
      }
    }
  }
  await context.close();
});

test('before the module has bound, the form is shown and takes no input', async () => {
  const context = await session.browser.newContext({ viewport: { width: 527, height: 345 } });
  const page = await context.newPage();
  // The module's WebAssembly is held back, never answered.
  await page.route('**/*.wasm', () => {});
  await page.goto(session.server.url);
  const driver = new PageDriver(page);
  const startText = await driver.message();
  assert.match(startText, /^Различните/);
  assert.equal(await page.isVisible('#List1_0_row4'), true);
  await page.mouse.click(20, 64 + 40 + 12);  // on an option, past its frame's top
  await page.keyboard.press('Tab');
  await page.keyboard.press('Space');
  assert.equal(await driver.chosen(), 'none');
  assert.equal(await driver.selected(), 'none');
  assert.equal(await driver.message(), startText);
  await context.close();
});

test('the module is at most 60 KB as a server sends it gzip-compressed', () => {
  const sizes = ['trovanel.js', 'trovanel.wasm'].map(
    (file) => gzipSync(readFileSync(join(kDist, file)), { level: 9 }).length);
  const total = sizes[0] + sizes[1];
  assert.ok(total <= 60 * 1024, `${total} bytes (.js ${sizes[0]}, .wasm ${sizes[1]})`);
});
