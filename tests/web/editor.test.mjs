// The exercise editor (editor.html) in headless Chromium: a teacher writes
// an exercise by keyboard, tries it in the preview, downloads it as a
// one-file page, a file, a package for a learning platform and a GIFT
// question, named after its title, opens files (GIFT ones too), meets faults
// at their fields and finds the work again after a reload; axe-core finds
// nothing.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { test } from 'node:test';

import { axeViolations, pageSession } from './support/browser.mjs';
import { comparePictures } from './support/images.mjs';
import { kOutput, kRoot } from './support/paths.mjs';

const session = pageSession({ scrollbars: true });
const kEditorOutput = join(kOutput, 'editor');
const exampleFile = (name) => join(kRoot, 'exercises', `${name}.trovanel`);

// A fresh editor (empty storage) once its module is ready; `requests` lists
// what the page asked the network for after that.
async function openEditor(context) {
  context ||= await session.browser.newContext({ viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  await page.goto(session.server.url + 'editor.html');
  await page.waitForFunction(() =>
    document.getElementById('status').textContent !== 'Редакторът се зарежда…');
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  return { page, context, errors, requests };
}

// Opens a file with the button's file chooser, or by dropping it on the page,
// and waits for the status to say `said`.
async function openFile(page, path, { drop = false, said = /Отворен/ } = {}) {
  if (drop) {
    const bytes = [...readFileSync(path)];
    const name = path.split('/').pop();
    const dataTransfer = await page.evaluateHandle(([content, fileName]) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(content)], fileName));
      return transfer;
    }, [bytes, name]);
    await page.dispatchEvent('body', 'drop', { dataTransfer });
  } else {
    await page.setInputFiles('#open-file', path);
  }
  await page.waitForFunction((pattern) =>
    new RegExp(pattern).test(document.getElementById('status').textContent), said.source);
}

// The fields as the teacher sees them.
function fields(page) {
  return page.evaluate(() => ({
    texts: [...document.querySelectorAll('[data-field]')].map((field) => field.value),
    options: [...document.querySelectorAll('#options tbody tr')].map((row) =>
      [row.querySelector('input').value, row.querySelector('select').value]),
    descriptions: [...document.querySelectorAll('#descriptions [data-key=text]')].map((input) => input.value),
    names: [...document.querySelectorAll('#descriptions [data-key=name]')].map((input) => input.value),
  }));
}

// Tab (forward) until the focus is on `selector`: the keyboard's own way.
async function tabTo(page, selector) {
  for (let presses = 0; presses < 80; presses++) {
    if (await page.evaluate((s) => document.activeElement.matches(s), selector)) return;
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reaches ${selector}`);
}

async function typeInto(page, selector, text) {
  await tabTo(page, selector);
  await page.keyboard.type(text);
}

// Chooses option `member` and row `row` of the form in `frame` (a page or
// the preview) and returns the message.
async function answer(frame, member, row) {
  await frame.locator(`#Option1_${member}`).click();
  await frame.locator(`#List1_0_row${row}`).click();
  return frame.locator('#Text1_0').inputValue();
}

async function download(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  mkdirSync(kEditorOutput, { recursive: true });
  const path = join(kEditorOutput, file.suggestedFilename());
  await file.saveAs(path);
  return path;
}

test('a 3-pair exercise written by keyboard alone works in the preview, as a one-file page and as a file', async () => {
  const { page, context, errors, requests } = await openEditor();
  assert.deepEqual(await axeViolations(page), [], 'the empty editor');
  assert.equal(await page.isDisabled('#page'), true);

  const texts = { 'window-title': 'Химия', title: 'Химия - вещества', group: 'Вещество',
                  'list-heading': 'Какво е то', 'start-text': 'Свържете веществото с описанието.' };
  for (const [field, text] of Object.entries(texts)) await typeInto(page, `#f-${field}`, text);
  const options = ['Вода', 'Сол', 'Захар'];
  const descriptions = ['течност', 'солено', 'сладко', 'газ'];
  await typeInto(page, '#options tbody tr:nth-child(1) input', options[0]);
  await typeInto(page, '#options tbody tr:nth-child(2) input', options[1]);
  await tabTo(page, '#add-option');
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Вариант 3',
               'a new row takes the focus');
  await page.keyboard.type(options[2]);
  for (const [index, text] of descriptions.entries()) {
    if (index >= 2) {
      await tabTo(page, '#add-description');
      await page.keyboard.press('Enter');
    } else {
      await tabTo(page, `#descriptions tbody tr:nth-child(${index + 1}) [data-key=text]`);
    }
    await page.keyboard.type(text);
  }
  // Each option's right description, chosen with the arrow keys: rows 1, 2, 3.
  for (let option = 1; option <= 3; option++) {
    await tabTo(page, `#options tbody tr:nth-child(${option}) select`);
    for (let row = 0; row < option; row++) await page.keyboard.press('ArrowDown');
  }
  // Moving a row keeps the focus on its button, now in the row it went to.
  await tabTo(page, '#descriptions tbody tr:nth-child(4) [data-action=up]');
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')),
               'Нагоре: Описание 3');
  assert.deepEqual((await fields(page)).descriptions, ['течност', 'солено', 'газ', 'сладко']);
  assert.deepEqual((await fields(page)).options.map(([, right]) => right), ['0', '1', '3']);
  assert.equal(await page.textContent('#status'), 'Описание 4 е преместено на ред 3.');
  assert.equal(await page.isDisabled('#page'), false);

  const preview = page.frameLocator('#preview');
  assert.equal(await answer(preview, 2, 3), 'Правилно.');
  assert.equal(await answer(preview, 1, 0), 'Грешка!');
  // Tab goes round the exercise as in its window; Esc leaves it.
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'preview-heading');

  // The one-file page, opened from disk, answers as the preview does.
  const pagePath = await download(page, '#page');
  assert.match(pagePath, /\/Химия - вещества\.html$/, 'named after the title');
  const onePage = await context.newPage();
  await onePage.goto(pathToFileURL(pagePath).href);
  await onePage.waitForSelector('.form:not([inert])', { state: 'attached' });
  assert.equal(await onePage.title(), 'Химия');
  assert.equal(await answer(onePage, 0, 0), 'Правилно.');
  assert.equal(await answer(onePage, 0, 1), 'Грешка!');

  // The saved file opens in another editor with the same fields.
  const filePath = await download(page, '#save');
  assert.match(filePath, /\/Химия - вещества\.trovanel$/);
  const other = await openEditor(context);
  await other.page.evaluate(() => localStorage.clear());
  await openFile(other.page, filePath);
  assert.deepEqual(await fields(other.page), await fields(page));

  assert.deepEqual(requests.filter((url) => /^https?:/.test(url)), [], 'no request after the load');
  assert.deepEqual(errors, []);
  await context.close();
});

test('an opened file shows the exercise as its page does, and the work outlives a reload', async () => {
  const { page, context, errors } = await openEditor();
  await openFile(page, exampleFile('horse-gaits'));
  // The page puts the focus on its first field as it opens: so does the test.
  await page.frameLocator('#preview').locator('.form:not([inert]) #Text1_0').focus();
  const box = await page.locator('#preview').boundingBox();
  const actual = await page.screenshot({
    animations: 'disabled', caret: 'hide',
    clip: { x: Math.round(box.x) + 1, y: Math.round(box.y) + 1, width: 527, height: 345 },
  });
  const reference = readFileSync(new URL('reference/start.png', import.meta.url));
  // As the page's own look test: a channel off by 16, up to 100 pixels.
  const result = await comparePictures(page, reference, actual, 16);
  assert.ok(!result.sizeDiffers && result.differing <= 100,
            `the preview differs from reference/start.png: ${result.size} ${result.differing}`);

  await page.fill('#descriptions tbody tr:nth-child(2) [data-key=text]', 'бавен ход');
  const before = await fields(page);
  await page.reload();
  await page.waitForFunction(() => /готово/.test(document.getElementById('status').textContent));
  assert.deepEqual(await fields(page), before);

  // "New exercise" asks first, and clears only when told yes.
  page.once('dialog', (dialog) => dialog.dismiss());
  await page.click('#new');
  assert.deepEqual(await fields(page), before);
  page.once('dialog', (dialog) => dialog.accept());
  await page.click('#new');
  assert.equal((await fields(page)).texts[0], '');
  assert.deepEqual(errors, []);
  await context.close();
});

test('a preview whose module cannot start says why in the form\'s place', async () => {
  const context = await session.browser.newContext({ viewport: { width: 1280, height: 900 } });
  await context.addInitScript(() => { delete window.DecompressionStream; });
  const { page } = await openEditor(context);
  await openFile(page, exampleFile('states-of-water'));
  // In the page's own words, in its exercise's language.
  const alert = page.frameLocator('#preview').getByRole('alert');
  assert.match(await alert.textContent(), /^The page cannot start: .*DecompressionStream/);
  // An exercise changed after that leaves the message in its place.
  await page.fill('#descriptions tbody tr:nth-child(2) [data-key=text]', 'друго');
  assert.equal(await alert.count(), 1);
  await context.close();
});

test('a file opened and saved keeps its descriptions\' names, its language and its messages\' lines, also when rows change', async () => {
  const { page, context, errors } = await openEditor();
  await openFile(page, exampleFile('states-of-water'));
  assert.equal(await page.inputValue('#f-language'), '', 'the language told from the texts');
  assert.deepEqual((await fields(page)).names, ['gas', 'solid', 'plasma', 'liquid']);
  await page.click('#descriptions tbody tr:nth-child(2) [data-action=up]');
  await page.click('#descriptions tbody tr:nth-child(3) [data-action=remove]');
  await page.click('#add-description');
  await page.keyboard.type('they glow');
  await page.fill('#descriptions tbody tr:nth-child(2) [data-key=name]', 'vapour');
  await page.fill('#f-language', 'en-GB');
  await page.fill('#f-correct', 'Right.\nWell done.');
  const saved = readFileSync(await download(page, '#save'), 'utf8');
  assert.match(saved, /^correct = """\nRight\.\nWell done\."""$/m, 'a message on two lines');
  const values = (key) => [...saved.matchAll(new RegExp(`^${key} = "(.*)"$`, 'gm'))].map((m) => m[1]);
  assert.deepEqual(values('name'), ['solid', 'vapour', 'liquid', '1']);
  assert.deepEqual(values('right'), ['solid', 'liquid', 'vapour'], 'ice, water, steam');
  assert.deepEqual(values('language'), ['en-GB']);

  // A draft kept before descriptions had names and a language still opens.
  await page.evaluate(() => {
    const stored = JSON.parse(localStorage.getItem('trovanel-editor'));
    stored.exercise.descriptions = stored.exercise.descriptions.map(({ text }) => text);
    delete stored.exercise.texts.language;
    localStorage.setItem('trovanel-editor', JSON.stringify(stored));
  });
  await page.reload();
  await page.waitForFunction(() => /готово/.test(document.getElementById('status').textContent));
  assert.deepEqual((await fields(page)).names, ['1', '2', '3', '4']);
  assert.equal(await page.inputValue('#f-language'), '');
  assert.deepEqual(errors, []);
  await context.close();
});

test('a missing text, an over-long description, a name given twice and a bad language are shown at their fields and stop the downloads', async () => {
  const { page, context, errors } = await openEditor();
  await openFile(page, exampleFile('cell-organelles'), { drop: true });
  assert.equal((await fields(page)).options.length, 8);
  assert.deepEqual(await axeViolations(page), [], 'a full 8-pair exercise');
  // Its form is wider than the preview's place, not than the screen: shown at
  // its own width, as a desktop shows it, not as one column.
  assert.equal(await page.frameLocator('#preview').locator('#List1_0')
    .evaluate((list) => getComputedStyle(list).position), 'absolute');

  const expectFault = async (selector, message) => {
    const field = page.locator(selector);
    assert.equal(await field.getAttribute('aria-invalid'), 'true', selector);
    const described = await field.getAttribute('aria-describedby');
    assert.match(await page.textContent(`#${described}`), message);
    assert.match(await page.textContent('#status'), message);
    for (const button of ['#save', '#page', '#package', '#gift']) {
      assert.equal(await page.isDisabled(button), true, button);
    }
  };
  await page.fill('#f-group', '');
  await expectFault('#f-group', /липсва текстът/);
  assert.deepEqual(await axeViolations(page), [], 'a fault shown');

  await page.fill('#f-group', 'Органела');
  await page.fill('#descriptions tbody tr:nth-child(3) [data-key=text]', 'я'.repeat(121));
  await expectFault('#descriptions tbody tr:nth-child(3) [data-key=text]', /най-много са 120/);
  assert.equal(await page.getAttribute('#f-group', 'aria-invalid'), null, 'the mended field');

  await page.fill('#descriptions tbody tr:nth-child(3) [data-key=text]', 'i'.repeat(120));
  await page.fill('#descriptions tbody tr:nth-child(3) [data-key=name]', 'енергия');
  await expectFault('#descriptions tbody tr:nth-child(3) [data-key=name]', /дадено на две описания/);
  await page.fill('#descriptions tbody tr:nth-child(3) [data-key=name]', 'трето');
  await page.fill('#f-language', 'български');
  await expectFault('#f-language', /код на език/);
  await page.fill('#f-language', 'bg');
  assert.equal(await page.isDisabled('#page'), false);
  assert.equal(await page.locator('[aria-invalid]').count(), 0);
  assert.deepEqual(errors, []);
  await context.close();
});

test('a GIFT question opens, and goes out as a package for a platform and as GIFT, safely named', async () => {
  const { page, context, errors } = await openEditor();
  mkdirSync(kEditorOutput, { recursive: true });
  const giftFile = (name, text) => {
    const path = join(kEditorOutput, name);
    writeFileSync(path, text);
    return path;
  };
  await openFile(page, giftFile('въпрос.gift',
    '::Вода::Свържете. {\n=Лед -> твърдо\n=Вода -> течно\n=Пара -> газ\n= -> плазма\n}\n'));
  const opened = await fields(page);
  assert.deepEqual(opened.options, [['Лед', '0'], ['Вода', '1'], ['Пара', '2']]);
  assert.deepEqual(opened.descriptions, ['твърдо', 'течно', 'газ', 'плазма']);

  // A bad GIFT file is told by its line and column, as a bad exercise file,
  // and leaves the exercise, and its downloads, as they were.
  await openFile(page, giftFile('лош.gift', '::В::Колко?\n{=2 ~3}\n'), { said: /не може да се отвори/ });
  assert.match(await page.textContent('#status'), /лош\.gift:\d+:\d+: /);
  assert.deepEqual(await fields(page), opened);
  const zip = await download(page, '#package');
  assert.match(zip, /\/Вода\.zip$/, 'named after the title');
  const unpacked = join(kEditorOutput, 'package');
  execFileSync('python3', ['-m', 'zipfile', '-t', zip]);
  execFileSync('python3', ['-m', 'zipfile', '-e', zip, unpacked]);
  assert.ok(readFileSync(join(unpacked, 'imsmanifest.xml'), 'utf8')
    .includes(`<title>${await page.inputValue('#f-window-title')}</title>`));
  const packaged = await context.newPage();
  await packaged.goto(pathToFileURL(join(unpacked, 'index.html')).href);
  await packaged.waitForSelector('.form:not([inert])', { state: 'attached' });
  assert.equal(await answer(packaged, 2, 2), 'Правилно.');

  await page.fill('#f-title', ' Вода/лед:  пара <1> ');
  const giftPath = await download(page, '#gift');
  assert.match(giftPath, /\/Вода лед пара 1\.gift$/);
  const gift = readFileSync(giftPath, 'utf8');
  assert.match(gift, /^::Вода\/лед\\: {2}пара <1>::/);
  assert.match(gift, /^\t=Пара -> газ$/m);

  // A question a platform would refuse is said, not downloaded.
  await page.click('#descriptions tbody tr:nth-child(4) [data-action=remove]');
  await page.click('#options tbody tr:nth-child(3) [data-action=remove]');
  await page.click('#descriptions tbody tr:nth-child(3) [data-action=remove]');
  await page.click('#gift');
  assert.match(await page.textContent('#status'), /^Въпросът GIFT не може да се запише: .*поне 2 варианта и 3 описания/);

  const name = (title) => page.evaluate((t) => DownloadName.of(t, '.zip'), title);
  assert.equal(await name(' ./\\:*?"<>|\u0000\u202e. '), 'упражнение.zip');
  assert.equal(await name('Я'.repeat(59) + '😀😀'), 'Я'.repeat(59) + '😀.zip');
  assert.deepEqual(errors, []);
  await context.close();
});
