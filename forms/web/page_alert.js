/* A page's one message in its form's place, announced to screen readers:
   why the page cannot show its form (an exercise file that cannot be read),
   or why its module cannot start (a browser without WebAssembly or the
   decompressor, a file that did not load). Without it the form would stay
   inert and say nothing. The first message stays. The form's element
   carries the page's own words, in the language of its texts. */
function showPageAlert(text, doc = document) {
  const form = doc.querySelector('.form');
  if (!form) return;
  const alert = doc.createElement('div');
  alert.setAttribute('role', 'alert');
  alert.textContent = text;
  const main = doc.createElement('main');
  main.append(alert);
  form.replaceWith(main);
}
function showModuleFailure(why, doc = document) {
  const form = doc.querySelector('.form');
  if (form) showPageAlert(form.dataset.cannotStart + why, doc);
}
/* Until the module has bound to the form, whatever fails in the window (a
   file not loaded, an error thrown, a promise rejected) means that it
   cannot start; once the form is live, the module reports its own errors. */
function tellFailuresBeforeStart(win = window) {
  const doc = win.document;
  const tell = (why) => {
    if (!win.performance.getEntriesByName('forms-web-live').length) {
      showModuleFailure(why, doc);
    }
  };
  win.addEventListener('error', (event) => {
    const file = event.target.getAttribute?.('src') || event.target.getAttribute?.('href');
    tell(file ? file + doc.querySelector('.form')?.dataset.notLoaded : event.message);
  }, true);
  win.addEventListener('unhandledrejection', (event) => tell(event.reason));
}
