// The editor's preview: the one-file page itself in a frame, its form and
// exercise put in place (page_in_place.js) and its module told to show them
// again.
'use strict';

const EditorPreview = (function() {
  const box = document.querySelector('.preview .frame');
  let frame = null;  // made with the first exercise that has no fault
  let preview = 'none';  // the one-file module in the preview: 'starting', 'live', 'failed'
  let pendingPage = null;  // shown once the frame has been made
  let packedModule = null;

  // The preview's frame, made when first needed (an empty editor loads
  // faster without it); `show` runs once its empty page has loaded.
  function makeFrame(show) {
    frame = document.createElement('iframe');
    frame.id = 'preview';
    frame.title = 'Преглед на упражнението';
    frame.setAttribute('aria-describedby', 'preview-hint');
    frame.srcdoc = '<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8">' +
                   '<title>Преглед</title><style></style></head><body></body></html>';
    frame.addEventListener('load', () => {
      // Tab goes round the exercise, as in its window; Esc leaves the preview.
      frame.contentWindow.addEventListener('keydown', (event) => {
        if (event.key !== 'Escape') return;
        event.stopImmediatePropagation();
        document.getElementById('preview-heading').focus();
      }, true);
      preview = 'none';
      show();
    }, {once: true});
    box.replaceChildren(frame);
  }

  // A module that cannot start is told in the form's place, and stays told.
  function failed(why) {
    preview = 'failed';
    showModuleFailure(why, frame.contentDocument);
  }

  function showPreview(page) {
    if (preview === 'failed') return;
    if (!frame) {
      preview = 'making';
      makeFrame(() => showPreview(pendingPage));
    }
    if (preview === 'making') {
      pendingPage = page;
      return;
    }
    const doc = frame.contentDocument;
    // Bound with the page inert, the form never takes the teacher's focus.
    doc.body.inert = true;
    putPageInPlace(page, doc);
    const form = doc.querySelector('.form');
    // The form at its own width, measured in a frame wider than any form
    // (1024 px at most); on a screen narrower than the form, the form as one
    // column in the preview's place (the frame's border inside it), as the
    // page shows it on that screen.
    frame.style.width = '2048px';
    const width = form.offsetWidth;
    frame.style.width = (width <= window.innerWidth ? width + 2 : box.clientWidth - 2) + 'px';
    frame.style.height = form.offsetHeight + 2 + 'px';
    // A preview wider than its place scrolls, and the keyboard can scroll it.
    if (box.scrollWidth > box.clientWidth || box.scrollHeight > box.clientHeight) {
      box.tabIndex = 0;
    } else {
      box.removeAttribute('tabindex');
    }
    if (preview === 'live') {
      frame.contentWindow._TrovanelShowPageExercise();
      doc.body.inert = false;
    } else if (preview === 'none') {
      // Once started, the module shows whatever the page holds by then.
      preview = 'starting';
      startPackedModule(frame.contentWindow, packedModule, {onAbort: failed, postRun: [() => {
        preview = 'live';
        doc.body.inert = false;
      }]}).catch(failed);
    }
  }

  // `page` is the one-file page without its module; `packed` the module, as
  // the build packs it.
  function show(page, packed) {
    packedModule = packed;
    showPreview(page);
  }

  // A preview of an exercise that has since changed and has a fault.
  function setStale(stale) {
    box.parentNode.classList.toggle('stale', stale);
  }

  return {show, setStale};
})();
