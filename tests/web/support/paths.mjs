// Where the tests find the repository, the built page and their output.
import { fileURLToPath } from 'node:url';
import { join } from 'node:path';

export const kRoot = fileURLToPath(new URL('../../../', import.meta.url));
export const kDist = process.env.TROVANEL_WEB_DIST || join(kRoot, 'build-web', 'dist');
export const kOutput = join(kRoot, 'build-web', 'test-output');
export const kFaultPage = join(kRoot, 'build-web', 'fault_page');
// The teachers' tool that writes an exercise file as a one-file page.
export const kPageTool = join(kRoot, 'build-web', 'host', 'programs', 'trovanel-page');
export const kScenariosJson = process.env.TROVANEL_SCENARIOS_JSON ||
  join(kRoot, 'build', 'tests', 'support', 'scenarios.json');
