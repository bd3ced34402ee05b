// The page on a phone, a screen narrower than its form: not shown smaller but
// as one column, every text at its own size, every choice a row a finger can
// hit, answered with real taps and the verdict in view after each; the
// built-in page and an eight-pair one-file page.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { axeViolations, kPhone, kPhoneViewport, openPage, pageSession } from './support/browser.mjs';
import { expectLook } from './support/images.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kPageTool, kRoot } from './support/paths.mjs';
import { readAnswers } from './support/scenarios.mjs';

const session = pageSession();

// For each option of an exercise file, the row of its description.
function answersOf(file) {
  const text = readFileSync(file, 'utf8');
  const names = [...text.matchAll(/^name = "(.*)"$/gm)].map((match) => match[1]);
  return [...text.matchAll(/^right = "(.*)"$/gm)].map((match) => names.indexOf(match[1]));
}

// What the pupil sees: the zoom, texts and touch targets as seen, and how far
// the page scrolls sideways.
function measure(page) {
  return page.evaluate(() => {
    const form = document.querySelector('.form');
    const texts = [...form.querySelectorAll('*')].filter((element) =>
      [...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.data.trim()));
    const box = (element) => element.getBoundingClientRect();
    return {
      zoom: visualViewport.scale,
      sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
      smallestText: Math.min(...texts.map((element) => parseFloat(getComputedStyle(element).fontSize))),
      targets: [...form.querySelectorAll('.option,[role=option]')]
        .map((element) => ({ id: element.id, width: box(element).width, height: box(element).height })),
      column: box(form).width,
    };
  });
}

async function verdictInView(page, where) {
  const { x, y, width, height } = await page.locator('[aria-live]').boundingBox();
  const { width: right, height: bottom } = kPhoneViewport;
  assert.ok(x >= 0 && y >= 0 && x + width <= right && y + height <= bottom, `${where}: the message at ${y}`);
}

async function playOnPhone(name, url, answers) {
  const { page, context, errors } = await openPage(session.browser, url, kPhoneViewport, kPhone);
  const seen = await measure(page);
  assert.equal(seen.zoom, 1);
  assert.ok(seen.sideways <= 0, `scrolls sideways by ${seen.sideways} px`);
  assert.ok(seen.smallestText * seen.zoom >= 16, `a text of ${seen.smallestText} px`);
  assert.equal(seen.targets.length, answers.length * 2);
  for (const { id, width, height } of seen.targets) {
    assert.ok(height >= 44 && width >= seen.column * 0.9,
              `${id} is ${width} x ${height} px in a column of ${seen.column}`);
  }
  await expectLook(page, `${name}-start`);

  const driver = new PageDriver(page, { touch: true });
  for (const [option, row] of answers.entries()) {
    await driver.clickOption(option);
    await verdictInView(page, `option ${option}`);
    await driver.clickRow(row);
    await verdictInView(page, `row ${row}`);
    assert.equal(await driver.message(), 'Правилно.', `option ${option}, row ${row}`);
  }
  assert.deepEqual(await axeViolations(page), []);
  await expectLook(page, `${name}-answered`);
  assert.deepEqual(errors, []);
  await context.close();
}

test('the built-in page on a phone', () => playOnPhone('phone', session.server.url, readAnswers()));

test('an eight-pair one-file page on a phone', () => {
  const exercise = join(kRoot, 'exercises', 'cell-organelles.trovanel');
  const file = join(mkdtempSync(join(tmpdir(), 'trovanel-phone-')), 'cell-organelles.html');
  execFileSync(kPageTool, [exercise, '-o', file]);
  return playOnPhone('cell-organelles-phone', pathToFileURL(file).href, answersOf(exercise));
});
