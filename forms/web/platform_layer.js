/* The page inside a learning platform (SCORM 1.2), beside the exercise and
   unknown to it: it follows the checks the form announces, tells the
   platform the status and the score, and keeps what the pupil has found for
   the next launch. Without a platform it does nothing. A platform's fault
   never stops the exercise. Written with a semicolon after every statement
   (it is built in without line breaks). */

/* Which options the pupil has answered, scored by each option's first try.
   A try is a description chosen while an option is chosen, or an option
   chosen while a description chosen since the last try is chosen; moving on
   to the next option with the last description still chosen is none. A
   check that is no try never counts against the pupil, but an option first
   shown right that way counts as right at its first try. */
class FirstTries {
  static kUntried = 0;
  static kRight = 1;
  static kWrong = 2;
  static kWrongThenRight = 3;
  static kPrefix = 't1:';

  /* `saved`: what `saved` gave for the same number of options, or ''. */
  constructor(count, saved = '') {
    const states = String(saved).startsWith(FirstTries.kPrefix) ?
      [...String(saved).slice(FirstTries.kPrefix.length)].map(Number) : [];
    const sound = states.length === count && states.every((s) => s >= 0 && s <= 3);
    this.states = sound ? states : new Array(count).fill(FirstTries.kUntried);
    this.option = -1;
    this.row = -1;
    this.fresh = false;
  }

  /* A check: the option and row then chosen (-1: none) and the verdict
     (0 a choice missing, 1 right, 2 wrong). True when what is kept changed. */
  check(option, row, verdict) {
    const byDescription = option === this.option && row !== this.row;
    this.option = option;
    this.row = row;
    if (verdict === 0 || option < 0 || option >= this.states.length) {
      this.fresh = row >= 0;
      return false;
    }
    const right = verdict === 1;
    const isTry = byDescription || this.fresh;
    this.fresh = false;
    const before = this.states[option];
    if (before === FirstTries.kUntried && (isTry || right)) {
      this.states[option] = right ? FirstTries.kRight : FirstTries.kWrong;
    } else if (before === FirstTries.kWrong && right) {
      this.states[option] = FirstTries.kWrongThenRight;
    }
    return this.states[option] !== before;
  }

  /* Every option answered right at least once. */
  get complete() {
    return this.states.every((s) => s === FirstTries.kRight || s === FirstTries.kWrongThenRight);
  }

  /* The share of options right at their first try, out of 100, rounded. */
  get score() {
    const right = this.states.filter((s) => s === FirstTries.kRight).length;
    return Math.round(100 * right / this.states.length);
  }

  get saved() {
    return FirstTries.kPrefix + this.states.join('');
  }
}

/* The platform's API: in this window or one above it, else in the window
   that opened it or one above that. Another site's window cannot be read
   and is passed by. */
function findPlatformApi(win) {
  const search = (start) => {
    for (let w = start, depth = 0; w && depth < 16; w = w.parent, depth++) {
      try {
        if (w.API) {
          return w.API;
        }
      } catch (e) {
        /* another site's window */
      }
      if (w.parent === w) {
        break;
      }
    }
    return null;
  };
  let opener = null;
  try {
    opener = win.opener;
  } catch (e) {
    opener = null;
  }
  return search(win) || search(opener);
}

/* HHHH:MM:SS.SS, as the platform takes a time span. */
function platformTimeSpan(milliseconds) {
  const hundredths = Math.min(Math.round(milliseconds / 10), 9999 * 360000 + 359999);
  const two = (n) => String(Math.floor(n)).padStart(2, '0');
  return String(Math.floor(hundredths / 360000)).padStart(4, '0') + ':' +
    two(hundredths / 6000 % 60) + ':' + two(hundredths / 100 % 60) + '.' + two(hundredths % 100);
}

/* Starts the layer on the page in `win`; settings.masteryScore, a number
   from 0 to 100 or null, turns "completed" into "passed" or "failed". */
function startPlatformLayer(win, settings) {
  const api = findPlatformApi(win);
  const form = win.document.querySelector('main.form');
  if (!api || !form) {
    return;
  }
  /* A call's result, or null when it fails or the platform reports an error. */
  const call = (name, ...args) => {
    try {
      const result = api[name](...args);
      return String(api.LMSGetLastError()) === '0' ? String(result) : null;
    } catch (e) {
      return null;
    }
  };
  const set = (element, value) => call('LMSSetValue', element, String(value));
  if (call('LMSInitialize', '') !== 'true') {
    return;
  }
  const started = Date.now();
  const resumed = call('LMSGetValue', 'cmi.core.entry') === 'resume';
  const tries = new FirstTries(form.querySelectorAll('input[type=radio]').length,
                               resumed ? call('LMSGetValue', 'cmi.suspend_data') || '' : '');
  const status = call('LMSGetValue', 'cmi.core.lesson_status');
  if (status === 'not attempted' || status === '' || status === null) {
    set('cmi.core.lesson_status', 'incomplete');
    call('LMSCommit', '');
  }
  const mastery = settings.masteryScore;
  form.addEventListener('trovanel-check', (event) => {
    const { option, row, verdict } = event.detail;
    if (!tries.check(option, row, verdict)) {
      return;
    }
    set('cmi.core.score.min', 0);
    set('cmi.core.score.max', 100);
    set('cmi.core.score.raw', tries.score);
    if (tries.complete) {
      set('cmi.core.lesson_status', mastery === null ? 'completed' :
          tries.score >= mastery ? 'passed' : 'failed');
    }
    set('cmi.suspend_data', tries.saved);
    call('LMSCommit', '');
  });
  let finished = false;
  win.addEventListener('pagehide', () => {
    if (finished) {
      return;
    }
    finished = true;
    set('cmi.core.session_time', platformTimeSpan(Date.now() - started));
    set('cmi.core.exit', 'suspend');
    call('LMSFinish', '');
  });
}
