// The page's look at 100 % zoom against reviewed pictures in reference/:
// its texts, places, colours and font in two states. A mismatch leaves the
// actual picture and a difference picture in build-web/test-output/look/.
import assert from 'node:assert/strict';
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { openPage, pageSession } from './support/browser.mjs';
import { comparePictures } from './support/images.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kOutput } from './support/paths.mjs';

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
