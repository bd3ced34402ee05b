// Exercise files on the page: index.html?exercise=NAME.trovanel beside the
// page, the one-file page that trovanel-page writes, opened from disk, and a
// bad file or a module that cannot start told in the form's place.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

import { axeViolations, launchBrowser, openPage, servePage } from './support/browser.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kDist, kPageTool as kTool, kRoot } from './support/paths.mjs';
import { playScenario, readExerciseScenarios } from './support/scenarios.mjs';

const kExamples = join(kRoot, 'exercises');
const kPlayed = ['states-of-water', 'cell-organelles'];
const kLanguages = { 'states-of-water': 'en', 'cell-organelles': 'bg' };

// The page's folder with the example files and a bad one beside it.
const folder = mkdtempSync(join(tmpdir(), 'trovanel-exercises-'));
for (const file of readdirSync(kDist)) copyFileSync(join(kDist, file), join(folder, file));
for (const name of kPlayed) {
  copyFileSync(join(kExamples, `${name}.trovanel`), join(folder, `${name}.trovanel`));
}
writeFileSync(join(folder, 'bad.trovanel'), 'title = "x"\nwindow-title = 3\n');

const session = {};
before(async () => {
  [session.server, session.browser] = await Promise.all([servePage(folder), launchBrowser()]);
});
after(async () => {
  await session.browser?.close();
  await session.server?.close();
});

// The scenario written for an example file.
const scenarios = readExerciseScenarios();
const scenarioOf = (name) => scenarios.find((s) => s.name === name.replaceAll('-', '_'));
const play = (page, scenario) => playScenario(new PageDriver(page), scenario);

describe('?exercise= beside the page', () => {
  for (const name of kPlayed) {
    test(name, async () => {
      const url = `${session.server.url}index.html?exercise=${name}.trovanel`;
      const { page, context, errors } = await openPage(session.browser, url);
      const text = readFileSync(join(kExamples, `${name}.trovanel`), 'utf8');
      assert.equal(await page.title(), text.match(/^window-title = "(.*)"$/m)[1]);
      // The markup written in the browser is as accessible as the built one.
      assert.equal(await page.getByRole('main').count(), 1);
      assert.equal(await page.getByRole('heading', { level: 1 }).textContent(),
                   text.match(/^title = "(.*)"$/m)[1]);
      // Its own language and description, not the built-in exercise's.
      assert.equal(await page.evaluate(() => document.documentElement.lang), kLanguages[name]);
      assert.ok(text.includes((await page.locator('meta[name="description"]')
        .getAttribute('content')).slice(0, 40)));
      assert.deepEqual(await axeViolations(page), []);
      await play(page, scenarioOf(name));
      assert.deepEqual(errors, []);
      await context.close();
    });
  }

  for (const [file, message] of [
    ['bad.trovanel', 'bad.trovanel:2:16: „window-title“ трябва да е текст в кавички'],
    ['missing.trovanel', 'missing.trovanel: файлът не може да се прочете'],
    ['https://example.org/x.trovanel', 'отваря се само файл .trovanel, който е до страницата'],
  ]) {
    test(`a bad file is told in the form's place: ${file}`, async () => {
      const context = await session.browser.newContext();
      const page = await context.newPage();
      await page.goto(`${session.server.url}index.html?exercise=${encodeURIComponent(file)}`);
      const alert = page.getByRole('alert');
      await alert.waitFor();
      assert.ok((await alert.textContent()).endsWith(message), await alert.textContent());
      assert.equal(await page.locator('.form').count(), 0);
      assert.equal(await page.getByRole('main').count(), 1);
      await context.close();
    });
  }
});

test('the built-in page never fetches the module with the TOML parser', async () => {
  const { page, context } = await openPage(session.browser, `${session.server.url}index.html`);
  const fetched = await page.evaluate(() => performance.getEntriesByType('resource').map((e) => e.name));
  assert.ok(fetched.some((url) => url.endsWith('trovanel.wasm')), fetched.join(' '));
  assert.ok(!fetched.some((url) => url.includes('trovanel-exercise')), fetched.join(' '));
  await context.close();
});

test('a one-file page works opened from disk, within 120 KB compressed', async () => {
  const file = join(folder, 'states-of-water.html');
  execFileSync(kTool, [join(kExamples, 'states-of-water.trovanel'), '-o', file]);
  assert.ok(gzipSync(readFileSync(file)).length <= 120 * 1024);
  const { page, context, errors } = await openPage(session.browser, pathToFileURL(file).href);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  assert.match(await page.locator('link[rel="icon"]').getAttribute('href'), /^data:image\/png;base64,/);
  assert.match(await page.locator('meta[name="description"]').getAttribute('content'),
               /^Water is found in three states\. Choose/);
  await play(page, scenarioOf('states-of-water'));
  assert.deepEqual(errors, []);
  await context.close();

  assert.throws(() => execFileSync(kTool, [join(folder, 'bad.trovanel'), '-o', file],
                                   { stdio: 'pipe' }),
                (error) => error.status === 1 &&
                  /bad\.trovanel:2:16: /.test(error.stderr.toString()));
});

describe('a module that cannot start is told in the form\'s place', () => {
  const kCannotStart = 'Страницата не може да започне: ';
  const oneFilePage = join(folder, 'cell-organelles.html');
  execFileSync(kTool, [join(kExamples, 'cell-organelles.trovanel'), '-o', oneFilePage]);
  // An English exercise's page says so in English.
  const englishPage = join(folder, 'states-of-water-en.html');
  execFileSync(kTool, [join(kExamples, 'states-of-water.trovanel'), '-o', englishPage]);
  const served = (path) => `${session.server.url}${path}`;
  const withoutDecompressor = (context) =>
    context.addInitScript(() => { delete window.DecompressionStream; });

  for (const [what, url, { blocked, prepare, message, cannotStart = kCannotStart }] of [
    ['the page\'s WebAssembly not served', () => served('index.html'),
     { blocked: 'trovanel.wasm', message: /^trovanel\.wasm не се зареди$/ }],
    ['the page\'s script not served', () => served('index.html'),
     { blocked: 'trovanel.js', message: /^trovanel\.js не се зареди$/ }],
    ['the exercise module\'s script not served', () => served('index.html?exercise=x.trovanel'),
     { blocked: 'trovanel-exercise.js', message: /^trovanel-exercise\.js не се зареди$/ }],
    ['a one-file page in a browser without the decompressor', () => pathToFileURL(oneFilePage).href,
     { prepare: withoutDecompressor, message: /DecompressionStream/ }],
    ['an English one-file page in a browser without WebAssembly', () => pathToFileURL(englishPage).href,
     { prepare: (context) => context.addInitScript(() => { delete window.WebAssembly; }),
       message: /WebAssembly/, cannotStart: 'The page cannot start: ' }],
  ]) {
    test(what, async () => {
      const context = await session.browser.newContext();
      await prepare?.(context);
      const page = await context.newPage();
      if (blocked) await page.route(`**/${blocked}`, (route) => route.abort());
      await page.goto(url());
      const alert = page.getByRole('alert');
      await alert.waitFor();
      const text = await alert.textContent();
      assert.ok(text.startsWith(cannotStart), text);
      assert.match(text.slice(cannotStart.length), message);
      assert.equal(await page.locator('.form').count(), 0);
      assert.equal(await page.getByRole('main').count(), 1);
      await context.close();
    });
  }

  test('an error once the module has bound leaves the form working', async () => {
    const { page, context } = await openPage(session.browser, pathToFileURL(oneFilePage).href);
    await page.evaluate(() => new Promise((resolve) => {
      setTimeout(() => { throw new Error('elsewhere'); });
      Promise.reject(new Error('elsewhere'));
      setTimeout(resolve, 10);
    }));
    assert.equal(await page.getByRole('alert').count(), 0);
    assert.equal(await page.locator('.form:not([inert])').count(), 1);
    await context.close();
  });

  test('a browser that runs no script', async () => {
    const context = await session.browser.newContext({ javaScriptEnabled: false });
    const page = await context.newPage();
    for (const url of [served('index.html'), pathToFileURL(oneFilePage).href]) {
      await page.goto(url);
      assert.equal(await page.getByRole('alert').textContent(),
                   `${kCannotStart}JavaScript е изключен.`);
    }
    await context.close();
  });
});
