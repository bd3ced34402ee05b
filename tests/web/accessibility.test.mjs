// The page as a screen reader reads it: the browser's own accessibility
// tree, over the DevTools protocol; and as an accessibility checker
// (axe-core) finds it.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { axeViolations as violations, openPage, pageSession } from './support/browser.mjs';
import { PageDriver } from './support/page_driver.mjs';

const session = pageSession();

// The tree's nodes that are not ignored, with their role, name, value,
// properties and descendants.
async function readTree(cdp) {
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const shape = (node) => ({
    role: node.role?.value,
    name: node.name?.value ?? '',
    value: node.value?.value,
    properties: Object.fromEntries((node.properties ?? []).map((p) => [p.name, p.value.value])),
    descendants(role) {
      const found = [];
      const walk = (id) => {
        const child = byId.get(id);
        if (!child) return;
        if (!child.ignored && child.role?.value === role) found.push(shape(child));
        (child.childIds ?? []).forEach(walk);
      };
      (node.childIds ?? []).forEach(walk);
      return found;
    },
  });
  return nodes.filter((node) => !node.ignored).map(shape);
}

function only(tree, role, what) {
  const found = tree.filter((node) => node.role === role);
  assert.equal(found.length, 1, `one ${role} (${what})`);
  return found[0];
}

test('the radio group, the list box and the live region, named and announced', async () => {
  const { page, context } = await openPage(session.browser, session.server.url);
  const cdp = await context.newCDPSession(page);
  const tree = await readTree(cdp);

  const group = only(tree, 'radiogroup', 'the gaits');
  assert.equal(group.name, 'Вид алюр');
  const radios = group.descendants('radio');
  assert.deepEqual(radios.map((radio) => radio.name),
                   ['Галоп', 'Кариер', 'Раван', 'Тръс', 'Ходом']);
  assert.ok(radios.every((radio) => radio.properties.checked === 'false'));

  const list = only(tree, 'listbox', 'the descriptions');
  assert.equal(list.name, 'Как коня движи крайниците си');
  assert.equal(list.descendants('option').length, 5);

  const live = tree.filter((node) => node.properties.live === 'polite');
  assert.equal(live.length, 1, 'one live region');
  assert.equal(live[0].role, 'textbox');
  assert.equal(live[0].name, 'Съобщение');
  assert.equal(only(tree, 'heading', 'the title').properties.level, 1);
  only(tree, 'main', 'the form');
  assert.equal(live[0].properties.readonly, true);

  // Each check changes what the live region holds, so each is announced.
  const driver = new PageDriver(page);
  const announced = [live[0].value];
  for (const [act, expected] of [
    [() => driver.clickOption(2), 'Посочете две стойности!'],
    [() => driver.clickRow(0), 'Правилно.'],
    [() => driver.clickRow(1), 'Грешка!'],
    [() => driver.clickOption(3), 'Правилно.'],
  ]) {
    await act();
    const region = (await readTree(cdp)).find((node) => node.properties.live === 'polite');
    assert.equal(region.value, expected);
    announced.push(region.value);
  }
  assert.ok(announced.every((text, i) => i === 0 || text !== announced[i - 1]));
  const after = await readTree(cdp);
  const chosen = only(after, 'radiogroup', 'the gaits').descendants('radio')
    .filter((radio) => radio.properties.checked === 'true');
  assert.deepEqual(chosen.map((radio) => radio.name), ['Тръс']);
  const selected = only(after, 'listbox', 'the descriptions').descendants('option')
    .filter((option) => option.properties.selected === true);
  assert.equal(selected.length, 1);
  await context.close();
});

test('the checker finds nothing at start, after an answer, with the list focused', async () => {
  const { page, context } = await openPage(session.browser, session.server.url);
  const driver = new PageDriver(page);
  assert.deepEqual(await violations(page), [], 'at start');
  await driver.clickOption(2);
  await driver.clickRow(0);
  assert.equal(await driver.message(), 'Правилно.');
  assert.deepEqual(await violations(page), [], 'after an answer');
  await page.focus('#List1_0');
  await driver.key('Down');
  assert.equal(await driver.focus(), 'list');
  assert.deepEqual(await violations(page), [], 'with the list focused');
  await context.close();
});
