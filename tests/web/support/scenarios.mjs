// The pupil's scenarios and the answer table of tests/scenarios, as the C++
// parser wrote them at build time (tests/support/scenarios_json.cc), and the
// one way the page's tests play a scenario.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

import { kScenariosJson } from './paths.mjs';

const table = () => JSON.parse(readFileSync(kScenariosJson, 'utf8'));

// [{name, steps: [{verb, number (-1: none), text, where}]}].
export const readScenarios = () => table().scenarios;

// The scenarios of the example exercises (tests/scenarios/exercises), alike.
export const readExerciseScenarios = () => table().exercises;

// Plays a scenario with a PageDriver; "say start" is the text the page opened
// with.
export async function playScenario(driver, scenario) {
  const startText = await driver.message();
  for (const { verb, number, text, where } of scenario.steps) {
    const shown = number < 0 ? 'none' : String(number);
    switch (verb) {
      case 'option': await driver.clickOption(number); break;
      case 'row': await driver.clickRow(number); break;
      case 'press_back': await driver.pressBack(number); break;
      case 'key': await driver.key(text); break;
      case 'say_start': assert.equal(await driver.message(), startText, where); break;
      case 'say': assert.equal(await driver.message(), text, where); break;
      case 'focus':
        assert.equal(await driver.focus(), number < 0 ? text : `${text} ${number}`, where);
        break;
      case 'chosen': assert.equal(await driver.chosen(), shown, where); break;
      case 'selected': assert.equal(await driver.selected(), shown, where); break;
      default: throw new Error(`${where}: unknown step ${verb}`);
    }
  }
}

// For each gait (option member), the description row that belongs to it.
export const readAnswers = () => table().answers;

// The description rows' texts, exactly.
export const readRows = () => table().rows;
