// The pupil's scenarios and the answer table of tests/scenarios, as the C++
// parser wrote them at build time (tests/support/scenarios_json.cc).
import { readFileSync } from 'node:fs';

import { kScenariosJson } from './paths.mjs';

const table = () => JSON.parse(readFileSync(kScenariosJson, 'utf8'));

// [{name, steps: [{verb, number (-1: none), text, where}]}].
export const readScenarios = () => table().scenarios;

// For each gait (option member), the description row that belongs to it.
export const readAnswers = () => table().answers;

// The description rows' texts, exactly.
export const readRows = () => table().rows;
