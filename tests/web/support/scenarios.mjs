// The pupil's scenarios and the answer table of tests/scenarios, as every
// end-to-end harness reads them (README.md there gives the format).
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

import { kScenarios } from './paths.mjs';

// [{name, steps: [{verb, args, text, where}]}] from every scenario file.
export function readScenarios(dir = kScenarios) {
  const scenarios = [];
  for (const file of readdirSync(dir).filter((f) => f.endsWith('.txt')).sort()) {
    if (file === 'answers.txt') continue;
    readFileSync(join(dir, file), 'utf8').split('\n').forEach((raw, index) => {
      const line = raw.replace(/\r$/, '');
      if (line === '' || line.startsWith('#')) return;
      const [verb, ...args] = line.split(' ');
      const where = `${file}:${index + 1}`;
      if (verb === 'scenario') {
        scenarios.push({ name: args[0], steps: [] });
      } else if (scenarios.length === 0) {
        throw new Error(`${where}: step before any scenario`);
      } else {
        scenarios.at(-1).steps.push({ verb, args, text: line.slice(verb.length + 1), where });
      }
    });
  }
  return scenarios;
}

// For each gait (option member), the description row that belongs to it.
export function readAnswers(dir = kScenarios) {
  const rows = [];
  for (const line of readFileSync(join(dir, 'answers.txt'), 'utf8').split('\n')) {
    if (line.trim() === '' || line.startsWith('#')) continue;
    const [gait, row] = line.trim().split(/\s+/).map(Number);
    rows[gait] = row;
  }
  return rows;
}
