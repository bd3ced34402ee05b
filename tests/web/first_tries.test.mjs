// The score a learning platform is told: each option's first try, the tries
// told apart from moving on, in either order of choosing, and kept across
// launches. Run on the layer's own script, as the package's page carries it.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { runInNewContext } from 'node:vm';

const { FirstTries, platformTimeSpan, startPlatformLayer } = runInNewContext(
  readFileSync(new URL('../../forms/web/platform_layer.js', import.meta.url), 'utf8') +
  ';({ FirstTries, platformTimeSpan, startPlatformLayer })');

// Option i is answered right by row kRight[i].
const kRight = [2, 0, 1];

// Plays 'o1' (choose option 1) and 'd2' (choose row 2) as the page does:
// a check after each choice, the list telling only a real change of row.
function play(tries, actions, chosen = { option: -1, row: -1 }) {
  for (const action of actions) {
    const index = Number(action.slice(1));
    if (action[0] === 'd' && chosen.row === index) continue;
    chosen[action[0] === 'o' ? 'option' : 'row'] = index;
    const { option, row } = chosen;
    const verdict = option < 0 || row < 0 ? 0 : kRight[option] === row ? 1 : 2;
    tries.check(option, row, verdict);
  }
  return tries;
}

test('perfect play scores 100 in either order, complete only at the last right pair', () => {
  const optionFirst = play(new FirstTries(3), ['o0', 'd2', 'o1', 'd0', 'o2']);
  assert.equal(optionFirst.complete, false);
  play(optionFirst, ['d1'], { option: 2, row: 0 });
  const descriptionFirst = play(new FirstTries(3), ['d2', 'o0', 'd0', 'o1', 'd1', 'o2']);
  for (const tries of [optionFirst, descriptionFirst]) {
    assert.equal(tries.complete, true);
    assert.equal(tries.score, 100);
  }
});

test('one wrong first try of three scores 67; moving on and later tries do not count', () => {
  // Option 0 wrong first (row 1), then right; each move to the next option
  // with the last row still chosen checks wrong without counting.
  const tries = play(new FirstTries(3), ['o0', 'd1', 'd0', 'd2', 'o1', 'd0', 'o2', 'd1']);
  assert.equal(tries.complete, true);
  assert.equal(tries.score, 67);
  // Chosen again wrong, a right option stays right.
  play(tries, ['o1', 'd2', 'd0'], { option: 2, row: 1 });
  assert.equal(tries.score, 67);
  const untried = play(new FirstTries(2), ['o0', 'd0']);
  assert.deepEqual([untried.complete, untried.score], [false, 0]);
});

test('what is kept resumes: nothing found is lost and nothing is scored afresh', () => {
  const first = play(new FirstTries(3), ['o0', 'd1', 'd2', 'o1', 'd0']);
  assert.equal(first.saved, 't1:310');
  const again = new FirstTries(3, first.saved);
  assert.deepEqual([again.complete, again.score], [false, 33]);
  // Option 0, wrong at its first try in the last launch, stays so.
  play(again, ['o0', 'd2', 'o2', 'd1']);
  assert.deepEqual([again.complete, again.score], [true, 67]);
  for (const unsound of ['t1:31', 't1:3x0', '310', null]) {
    assert.equal(new FirstTries(3, unsound).saved, 't1:000', String(unsound));
  }
});

test('the session time is HHHH:MM:SS.SS', () => {
  assert.equal(platformTimeSpan(0), '0000:00:00.00');
  assert.equal(platformTimeSpan(3723456), '0001:02:03.46');
  assert.equal(platformTimeSpan(1e12), '9999:59:59.99');
});

test('a platform that fails every call leaves the page alone', () => {
  const listeners = {};
  const target = (name) => ({ addEventListener: (type, f) => { listeners[`${name} ${type}`] = f; } });
  const form = { ...target('form'), querySelectorAll: () => ({ length: 3 }) };
  const fails = () => { throw new Error('platform fault'); };
  for (const API of [
    { LMSInitialize: fails, LMSGetLastError: fails },
    { LMSInitialize: () => 'true', LMSGetLastError: () => '0', LMSGetValue: fails,
      LMSSetValue: fails, LMSCommit: fails, LMSFinish: fails },
  ]) {
    const win = { ...target('window'), API, document: { querySelector: () => form } };
    win.parent = win;
    startPlatformLayer(win, { masteryScore: null });
    listeners['form trovanel-check']?.({ detail: { option: 0, row: 2, verdict: 1 } });
    listeners['window pagehide']?.();
  }
  assert.ok(listeners['form trovanel-check'], 'the layer follows the form even so');
});
