// The page's look at 100 % zoom against reviewed pictures in reference/:
// its texts, places, colours and font in two states; the same of the example
// exercises' one-file pages. A mismatch leaves the actual picture and a
// difference picture in build-web/test-output/look/.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openPage, pageSession } from './support/browser.mjs';
import { comparePictures } from './support/images.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kOutput, kPageTool, kRoot } from './support/paths.mjs';

// A pixel differs when a channel is off by more than 16 of 255; at most 100
// of the 527 x 345 may differ (text edges of another build of the same
// font). A control one pixel off moves several hundred.
const kChannelTolerance = 16;
const kMaxDifferingPixels = 100;

const kReference = new URL('reference/', import.meta.url);
const kLookOutput = join(kOutput, 'look');

const session = pageSession({ scrollbars: true });

async function expectLook(page, name) {
  const actual = await page.screenshot({ animations: 'disabled', caret: 'hide' });
  const referenceFile = new URL(`${name}.png`, kReference);
  mkdirSync(kLookOutput, { recursive: true });
  const actualFile = join(kLookOutput, `${name}-actual.png`);
  if (!existsSync(referenceFile)) {
    writeFileSync(actualFile, actual);
    assert.fail(`no reference picture ${name}.png: review ${actualFile} and copy it to tests/web/reference/`);
  }
  const result = await comparePictures(page, readFileSync(referenceFile), actual, kChannelTolerance);
  if (result.sizeDiffers || result.differing > kMaxDifferingPixels) {
    writeFileSync(actualFile, actual);
    let what = `is ${result.size?.join(' x ')} pixels`;
    if (!result.sizeDiffers) {
      const diffFile = join(kLookOutput, `${name}-diff.png`);
      writeFileSync(diffFile, Buffer.from(result.diffPng, 'base64'));
      what = `differs in ${result.differing} pixels (at most ${kMaxDifferingPixels}); difference: ${diffFile}`;
    }
    assert.fail(`the page ${name} ${what}; actual: ${actualFile}`);
  }
}

test('the page at start and after one answer looks as reviewed', async () => {
  const { page, context } = await openPage(session.browser, session.server.url);
  await expectLook(page, 'start');
  const driver = new PageDriver(page);
  await driver.clickRow(1);
  await driver.clickOption(3);
  await expectLook(page, 'answered');
  await context.close();
});

// Each, and the test exercise with every text at its longest, opened from
// disk at the size of its form, answered as the Linux driver answers it:
// option 2 (or the last), the rows at a tenth and at three tenths of the
// list, the next option.
test('the example exercises\' one-file pages look as reviewed', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'trovanel-look-'));
  for (const [source, options, rows] of [['exercises/states-of-water', 3, 4],
                                         ['exercises/cell-organelles', 8, 8],
                                         ['tests/exercises/at-the-limits', 8, 8]]) {
    const name = basename(source);
    const file = join(folder, `${name}.html`);
    execFileSync(kPageTool, [join(kRoot, `${source}.trovanel`), '-o', file]);
    const { page, context } = await openPage(session.browser, pathToFileURL(file).href,
                                             { width: 1024, height: 720 });
    const form = await page.locator('.form').boundingBox();
    await page.setViewportSize({ width: Math.ceil(form.width), height: Math.ceil(form.height) });
    await expectLook(page, `${name}-start`);
    const driver = new PageDriver(page);
    const first = Math.min(2, options - 1);
    await driver.clickOption(first);
    await driver.clickRow(0);
    await driver.clickRow(Math.floor(rows * 3 / 10));
    await driver.clickOption((first + 1) % options);
    await expectLook(page, `${name}-answered`);
    await context.close();
  }
});
