// The package for a learning platform: its zip and manifest as a platform
// reads them, and its page launched by a platform's side of the API
// (scorm-again, which checks every value it is given), in a frame and in a
// popup, answered as a pupil would, left, and launched again.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, statSync, writeFileSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { launchBrowser, servePage } from './support/browser.mjs';
import { PageDriver } from './support/page_driver.mjs';
import { kPageTool, kRoot } from './support/paths.mjs';

const kFolder = mkdtempSync(join(tmpdir(), 'trovanel-scorm-'));
const session = {};

// The states of water: Ice, Water, Steam are right with rows 1, 3, 0.
// Option 0 is first tried with row 2 (wrong), then each next option is
// moved on to with the last row still chosen (wrong, not a try).
const kFirstHalf = [['option', 0], ['row', 2], ['row', 1], ['option', 1], ['row', 3]];
const kSecondHalf = [['option', 2], ['row', 0]];

// Writes the example as a package (with `extra` added to the file) and
// unpacks it into a folder of its own, beside the platform's page.
function packageOf(name, extra = '') {
  const exercise = join(kFolder, `${name}.trovanel`);
  writeFileSync(exercise, extra + execFileSync('cat', [join(kRoot, 'exercises', 'states-of-water.trovanel')]));
  const zip = join(kFolder, `${name}.zip`);
  execFileSync(kPageTool, [exercise, '-o', zip]);
  execFileSync('python3', ['-m', 'zipfile', '-t', zip]);  // every entry's CRC
  execFileSync('python3', ['-m', 'zipfile', '-e', zip, join(kFolder, name)]);
  return zip;
}

before(async () => {
  packageOf('plain');
  packageOf('mastery', 'mastery-score = "60"\n');
  copyFileSync(createRequire(import.meta.url).resolve('scorm-again/scorm12/min'),
               join(kFolder, 'scorm12.js'));
  writeFileSync(join(kFolder, 'lms.html'),
                '<!DOCTYPE html><meta charset="utf-8"><title>LMS</title><script src="scorm12.js"></script>');
  [session.server, session.browser] = await Promise.all([servePage(kFolder), launchBrowser()]);
});
after(async () => {
  await session.browser?.close();
  await session.server?.close();
});

// The platform's page with window.API (the data of an earlier launch, if
// given), logging every call the page makes with the error code after it.
async function openPlatform(saved) {
  const context = await session.browser.newContext();
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  context.on('page', (popup) => popup.on('pageerror', (error) => errors.push(error.message)));
  await page.goto(`${session.server.url}lms.html`);
  await page.evaluate((saved) => {
    const api = new window.Scorm12API({ logLevel: 5 });
    if (saved) api.loadFromJSON(saved);
    window.calls = [];
    for (const name of ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish']) {
      const call = api[name].bind(api);
      api[name] = (...args) => {
        const result = call(...args);
        window.calls.push({ name, args, result, error: String(api.LMSGetLastError()) });
        return result;
      };
    }
    window.API = api;
  }, saved);
  return { page, context, errors };
}

const calls = (page) => page.evaluate(() => window.calls);

// The values the page has set so far, the last of each.
async function values(page) {
  const set = (await calls(page)).filter((c) => c.name === 'LMSSetValue');
  return Object.fromEntries(set.map((c) => c.args));
}

async function play(frame, steps) {
  await frame.waitForSelector('.form:not([inert])', { state: 'attached' });
  const driver = new PageDriver(frame);
  for (const [what, index] of steps) {
    await (what === 'option' ? driver.clickOption(index) : driver.clickRow(index));
  }
}

function expectSoundCalls(log) {
  assert.deepEqual(log.filter((c) => c.error !== '0'), []);
  assert.deepEqual(log.filter((c) => c.name === 'LMSInitialize').map((c) => c.result), ['true']);
}

test('the package is a sound zip of a manifest a platform takes, under 80 KB', () => {
  const zip = join(kFolder, 'mastery.zip');
  assert.ok(statSync(zip).size <= 80 * 1024, `${statSync(zip).size} bytes`);
  assert.deepEqual(execFileSync('python3', ['-m', 'zipfile', '-l', zip], { encoding: 'utf8' })
    .split('\n').slice(1).map((line) => line.split(' ')[0]).filter(Boolean),
  ['imsmanifest.xml', 'index.html']);
  const manifest = join(kFolder, 'mastery', 'imsmanifest.xml');
  execFileSync('xmllint', ['--noout', manifest]);
  const query = (path) => execFileSync('xmllint', ['--xpath', path, manifest], { encoding: 'utf8' }).trim();
  const cp = 'http://www.imsproject.org/xsd/imscp_rootv1p1p2';
  const named = (name) => `*[local-name()='${name}' and namespace-uri()='${cp}']`;
  assert.equal(query(`string(/${named('manifest')}/${named('metadata')}/${named('schema')})`), 'ADL SCORM');
  assert.equal(query(`string(//${named('schemaversion')})`), '1.2');
  assert.equal(query(`count(//${named('organization')}/${named('item')})`), '1');
  assert.equal(query(`string(//${named('item')}/${named('title')})`), 'Physics - the states of water');
  assert.equal(query(`string(//${named('item')}/*[local-name()='masteryscore'])`), '60');
  const resource = `//${named('resource')}[@type='webcontent' and @href='index.html']`;
  assert.equal(query(`string(${resource}/@*[local-name()='scormtype' and ` +
                     `namespace-uri()='http://www.adlnet.org/xsd/adlcp_rootv1p2'])`), 'sco');
  assert.equal(query(`string(${resource}/${named('file')}/@href)`), 'index.html');
});

test('in a frame: incomplete, scored by first tries, kept when left, resumed and completed', async () => {
  const first = await openPlatform();
  await first.page.evaluate(() => {
    const frame = document.createElement('iframe');
    frame.src = 'plain/index.html';
    frame.style.cssText = 'width: 600px; height: 400px';
    document.body.append(frame);
  });
  const frame = () => first.page.frames().find((f) => f.url().endsWith('/index.html'));
  await first.page.waitForFunction(() => window.calls.some((c) => c.name === 'LMSCommit'));
  assert.equal((await values(first.page))['cmi.core.lesson_status'], 'incomplete');
  await play(frame(), kFirstHalf);
  let set = await values(first.page);
  assert.deepEqual([set['cmi.core.lesson_status'], set['cmi.core.score.raw'], set['cmi.suspend_data']],
                   ['incomplete', '33', 't1:310']);
  await first.page.evaluate(() => document.querySelector('iframe').remove());  // the pupil leaves
  const log = await calls(first.page);
  expectSoundCalls(log);
  assert.equal(log.at(-1).name, 'LMSFinish');
  assert.equal(log.filter((c) => c.name === 'LMSFinish').length, 1);
  set = await values(first.page);
  assert.match(set['cmi.core.session_time'], /^\d{4}:\d\d:\d\d\.\d\d$/);
  assert.equal(set['cmi.core.exit'], 'suspend');
  await first.context.close();

  const again = await openPlatform({
    core: { entry: 'resume', lesson_status: 'incomplete', score: { raw: '33', min: '0', max: '100' } },
    suspend_data: set['cmi.suspend_data'],
  });
  await again.page.evaluate(() => {
    document.body.innerHTML = '<iframe src="plain/index.html" style="width: 600px; height: 400px"></iframe>';
  });
  await again.page.waitForFunction(() => window.calls.some((c) => c.args[0] === 'cmi.suspend_data'));
  await play(again.page.frames()[1], kSecondHalf);
  const resumed = await values(again.page);
  assert.equal(resumed['cmi.core.lesson_status'], 'completed');
  assert.equal(resumed['cmi.core.score.raw'], '67');
  assert.equal(resumed['cmi.suspend_data'], 't1:311');
  expectSoundCalls(await calls(again.page));
  assert.deepEqual([...first.errors, ...again.errors], []);
  await again.context.close();
});

test('in a popup: passed at the mastery score, finished when closed', async () => {
  const { page, context, errors } = await openPlatform();
  const [popup] = await Promise.all([
    context.waitForEvent('page'),
    page.evaluate(() => window.open('mastery/index.html', 'exercise', 'width=600,height=400')),
  ]);
  await play(popup, [...kFirstHalf, ...kSecondHalf]);
  const commits = (await calls(page)).filter((c) => c.name === 'LMSCommit').length;
  assert.ok(commits >= 4, `${commits} commits: at the start and at each change of what is kept`);
  await popup.close({ runBeforeUnload: true });
  await page.waitForFunction(() => window.calls.some((c) => c.name === 'LMSFinish'));
  const set = await values(page);
  assert.deepEqual([set['cmi.core.lesson_status'], set['cmi.core.score.raw'], set['cmi.core.score.max']],
                   ['passed', '67', '100']);
  expectSoundCalls(await calls(page));
  assert.deepEqual(errors, []);
  await context.close();
});
