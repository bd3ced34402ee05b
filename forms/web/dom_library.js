// The page's side of the web backend: finds the elements that the generated
// markup made, shows what the module tells it, and passes the pupil's input
// to the module. It decides nothing: whatever the form shows after an input
// comes from the module.
mergeInto(LibraryManager.library, {
  // The form's element, its controls' elements by handle, and the way back.
  $formsPage: {},

  FormsWebBind__deps: ['$formsPage'],
  FormsWebBind: function(formId) {
    formsPage.form = document.getElementById(UTF8ToString(formId));
    formsPage.elements = [];
    formsPage.handles = new Map();
    return formsPage.form ? 1 : 0;
  },

  FormsWebFind__deps: ['$formsPage'],
  FormsWebFind: function(handle, elementId) {
    var element = document.getElementById(UTF8ToString(elementId));
    if (!element || !formsPage.form.contains(element)) return 0;
    formsPage.elements[handle] = element;
    formsPage.handles.set(element, handle);
    return 1;
  },

  FormsWebSetIcon: function(url) {
    var href = new URL(UTF8ToString(url), document.baseURI).href;
    var link = document.querySelector('link[rel=icon]');
    if (!link) {
      link = document.createElement('link');
      link.rel = 'icon';
      document.head.appendChild(link);
    }
    if (link.href !== href) link.href = href;
  },

  FormsWebShow__deps: ['$formsPage', '$withStackSave'],
  FormsWebShow: function(page) {
    var form = formsPage.form;
    var pressedList = null;

    function handleOf(node) {
      for (; node && node !== form; node = node.parentNode) {
        if (formsPage.handles.has(node)) return formsPage.handles.get(node);
      }
      return -1;
    }
    // A failure inside the module leaves the form inert, never half-working.
    function call(action) {
      try {
        return action();
      } catch (error) {
        form.inert = true;
        throw error;
      }
    }
    function pressRow(event, list) {
      var row = event.target.closest('[role=option]');
      if (!row || row.parentNode !== list) return;
      var index = Array.prototype.indexOf.call(list.children, row);
      call(function() { _FormsWebRowPressed(page, handleOf(list), index); });
    }
    function keyDown(event) {
      if (event.altKey || event.ctrlKey || event.metaKey || form.inert) return;
      var handled = call(function() {
        return withStackSave(function() {
          return _FormsWebKeyPressed(page, handleOf(document.activeElement),
                                     allocateUTF8OnStack(event.key),
                                     event.shiftKey ? 1 : 0);
        });
      });
      if (handled) event.preventDefault();
    }
    function mouseUp() { pressedList = null; }

    form.addEventListener('click', function(event) {
      if (event.target.type !== 'radio') return;
      call(function() { _FormsWebOptionClicked(page, handleOf(event.target)); });
    });
    form.addEventListener('mousedown', function(event) {
      var list = event.target.closest('[role=listbox]');
      if (list && event.target !== list) {
        // Rows are chosen by the module; the press only reports where.
        event.preventDefault();
        if (event.button !== 0) return;
        list.focus();
        pressedList = list;
        pressRow(event, list);
      } else if (!event.target.closest('textarea,input,label,[role=listbox]')) {
        // As in a window, a press on a label, the frame or the form's face
        // leaves the focus where it was.
        event.preventDefault();
      }
    });
    form.addEventListener('mousemove', function(event) {
      if (pressedList && (event.buttons & 1)) pressRow(event, pressedList);
    });
    // The module tells the browser's key names apart (web_keys.cc). The
    // document's listeners are those of the form shown last: a form shown
    // again in its place leaves no listener behind.
    if (formsPage.documentListeners) {
      document.removeEventListener('mouseup', formsPage.documentListeners.mouseUp);
      document.removeEventListener('keydown', formsPage.documentListeners.keyDown);
    }
    formsPage.documentListeners = {mouseUp: mouseUp, keyDown: keyDown};
    document.addEventListener('mouseup', mouseUp);
    document.addEventListener('keydown', keyDown);
    form.inert = false;
    performance.mark('forms-web-live');
  },

  FormsWebSetChecked__deps: ['$formsPage'],
  FormsWebSetChecked: function(handle, checked) {
    formsPage.elements[handle].control.checked = checked !== 0;
  },

  FormsWebSetRow__deps: ['$formsPage'],
  FormsWebSetRow: function(handle, row) {
    var list = formsPage.elements[handle];
    var rows = list.children;
    for (var i = 0; i < rows.length; i++) {
      rows[i].setAttribute('aria-selected', i === row ? 'true' : 'false');
    }
    if (row >= 0) {
      list.setAttribute('aria-activedescendant', rows[row].id);
      rows[row].scrollIntoView({block: 'nearest'});
    } else {
      list.removeAttribute('aria-activedescendant');
    }
  },

  FormsWebSetText__deps: ['$formsPage'],
  FormsWebSetText: function(handle, text) {
    var shown = UTF8ToString(text);
    var element = formsPage.elements[handle];
    if (element.value !== shown) element.value = shown;
  },

  FormsWebFocus__deps: ['$formsPage'],
  FormsWebFocus: function(handle) {
    var element = formsPage.elements[handle];
    (element.control || element).focus();
  },

  FormsWebReportError__deps: ['$formsPage'],
  FormsWebReportError: function(text) {
    if (formsPage.form) formsPage.form.inert = true;
    window.alert(UTF8ToString(text));
  },
});
