// The page's look at 100 % zoom against reviewed pictures in reference/:
// its texts, places, colours and font in two states; the same of the example
// exercises' one-file pages. A mismatch leaves the actual picture and a
// difference picture in build-web/test-output/look/.
import { execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { openPage, pageSession } from './support/browser.mjs';
import { expectLook } from './support/images.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kPageTool, kRoot } from './support/paths.mjs';

const session = pageSession({ scrollbars: true });

test('the page at start and after one answer looks as reviewed', async () => {
  const { page, context } = await openPage(session.browser, session.server.url);
  await expectLook(page, 'start');
  const driver = new PageDriver(page);
  await driver.clickRow(1);
  await driver.clickOption(3);
  await expectLook(page, 'answered');
  await context.close();
});

// Opened from disk at the size of its form, answered as the Linux driver
// answers it: option 2 (or the last), the rows at a tenth and at three
// tenths of the list, the next option.
async function expectExampleLooks(file, name, options, rows) {
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

// The examples, and the test exercise with every text at its longest.
const kExamples = [['exercises/states-of-water', 3, 4], ['exercises/cell-organelles', 8, 8],
                   ['tests/exercises/at-the-limits', 8, 8]];

test('the example exercises\' one-file pages look as reviewed', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'trovanel-look-'));
  for (const [source, options, rows] of kExamples) {
    const name = basename(source);
    const file = join(folder, `${name}.html`);
    execFileSync(kPageTool, [join(kRoot, `${source}.trovanel`), '-o', file]);
    await expectExampleLooks(file, name, options, rows);
  }
});

// Opened without a learning platform, the package's page is the one-file page.
test('the page of a learning platform\'s package looks as the one-file page', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'trovanel-look-'));
  const [source, options, rows] = kExamples[0];
  const name = basename(source);
  const zip = join(folder, `${name}.zip`);
  execFileSync(kPageTool, [join(kRoot, `${source}.trovanel`), '-o', zip]);
  execFileSync('python3', ['-m', 'zipfile', '-e', zip, folder]);
  await expectExampleLooks(join(folder, 'index.html'), name, options, rows);
});
