// The exercise editor's page: the teacher's fields, kept in the browser's
// storage, checked on every change by the module (the loader, the layout
// rule and the page generator in C++), a preview that is the one-file page
// itself, and the downloads: the file, the one-file page, the package for a
// learning platform and the GIFT question, each named after the exercise's
// title. After the page has loaded it sends and fetches nothing.
'use strict';

(function() {
  const {build, textKeys, rowLabel, blankExercise, freeName, upgradedDraft, textField,
         readExercise, showExercise, descriptionChoices, fieldElement, fieldName,
         focusRow} = EditorFields;
  const kStorageKey = 'trovanel-editor';
  const kDownloads = ['save', 'page', 'package', 'gift'];
  const kPreviewTrials = 'editor-preview';

  const $ = (id) => document.getElementById(id);
  const status = $('status');
  let module = null;
  let packedModule = null;
  let touched = false;   // the teacher has changed something: faults are shown at the field

  let invalidField = null;

  // ---- The module's functions, with texts as JavaScript strings.

  function withText(text, action) {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    try {
      return action(pointer);
    } finally {
      module._free(pointer);
    }
  }

  function sendExercise(exercise) {
    module._EditorClear();
    textKeys().forEach((key, field) =>
      withText(exercise.texts[key], (text) => module._EditorSetText(field, text)));
    for (const option of exercise.options) {
      withText(option.text, (text) => module._EditorAddOption(text, option.right));
    }
    for (const description of exercise.descriptions) {
      withText(description.name, (name) => withText(description.text, (text) =>
        module._EditorAddDescription(name, text)));
    }
  }

  function receivedExercise() {
    const text = (pointer) => module.UTF8ToString(pointer);
    const texts = Object.fromEntries(
      textKeys().map((key, field) => [key, text(module._EditorText(field))]));
    const options = [];
    for (let i = 0; i < module._EditorOptionCount(); i++) {
      options.push({text: text(module._EditorOptionText(i)), right: module._EditorOptionRight(i)});
    }
    const descriptions = [];
    for (let i = 0; i < module._EditorDescriptionCount(); i++) {
      descriptions.push({name: text(module._EditorDescriptionName(i)),
                         text: text(module._EditorDescriptionText(i))});
    }
    return {texts, options, descriptions};
  }

  // ---- The fields.

  function clearFault() {
    if (!invalidField) return;
    invalidField.removeAttribute('aria-invalid');
    invalidField.removeAttribute('aria-describedby');
    invalidField = null;
    const shown = $('field-error');
    if (shown) shown.remove();
  }

  function showFault(path, message) {
    const element = fieldElement(path);
    const where = element ? fieldName(element) + ': ' : '';
    if (element && touched) {
      if (invalidField !== element) clearFault();
      let shown = $('field-error');
      if (!shown) {
        shown = document.createElement('p');
        shown.id = 'field-error';
        shown.className = 'error';
      }
      shown.textContent = message;
      element.insertAdjacentElement('afterend', shown);
      element.setAttribute('aria-invalid', 'true');
      element.setAttribute('aria-describedby', 'field-error');
      invalidField = element;
    } else {
      clearFault();
    }
    say(touched ? `Грешка – ${where}${message}` : 'Попълнете полетата на упражнението.',
        touched);
  }

  function say(text, fault = false) {
    if (status.textContent !== text) status.textContent = text;
    status.classList.toggle('fault', fault);
  }

  // ---- Checking and keeping the work.

  function check() {
    performance.mark(kPreviewTrials + '-start');
    const exercise = readExercise();
    try {
      localStorage.setItem(kStorageKey, JSON.stringify({touched, exercise}));
    } catch (error) {
      // Storage full or refused: the editor works on, the work is not kept.
    }
    // A blank exercise, untouched, waits for the teacher: nothing to check.
    if (touched) sendExercise(exercise);
    const ok = touched && module._EditorCheck() === 1;
    for (const id of kDownloads) $(id).disabled = !ok;
    EditorPreview.setStale(!ok);
    if (!ok) {
      showFault(module.UTF8ToString(module._EditorErrorField()),
                module.UTF8ToString(module._EditorErrorMessage()));
      return;
    }
    clearFault();
    say('Упражнението е готово: опитайте го в прегледа и го изтеглете.');
    EditorPreview.show(withText('', (none) => module.UTF8ToString(module._EditorPage(none))),
                       packedModule);
    performance.measure(kPreviewTrials, kPreviewTrials + '-start');
  }

  function edited() {
    touched = true;
    check();
  }

  function load(exercise) {
    showExercise(exercise);
    check();
  }

  // ---- Rows: add, move, remove, with the focus kept where the teacher works.

  function changeRows(kind, index, action) {
    const exercise = readExercise();
    const rows = kind === 'option' ? exercise.options : exercise.descriptions;
    // Options follow their descriptions by row number.
    const renumber = (map) => {
      if (kind !== 'description') return;
      for (const option of exercise.options) option.right = map(option.right);
    };
    let focusAt = index;
    let selector = 'input';
    let said;
    const name = rowLabel(kind);
    if (action === 'add') {
      rows.push(kind === 'option' ? {text: '', right: -1} : {name: freeName(rows), text: ''});
      focusAt = rows.length - 1;
      said = `Добавен е ред ${rows.length}.`;
    } else if (action === 'remove') {
      rows.splice(index, 1);
      renumber((right) => (right === index ? -1 : right > index ? right - 1 : right));
      said = `${name} ${index + 1} е премахнат${kind === 'option' ? '' : 'о'}.`;
    } else {
      const other = action === 'up' ? index - 1 : index + 1;
      [rows[index], rows[other]] = [rows[other], rows[index]];
      renumber((right) => (right === index ? other : right === other ? index : right));
      focusAt = other;
      selector = `[data-action=${action}]`;
      said = `${name} ${index + 1} е преместен${kind === 'option' ? '' : 'о'} на ред ${other + 1}.`;
    }
    touched = true;
    load(exercise);
    focusRow(kind, focusAt, selector);
    if (!status.classList.contains('fault')) say(said);
  }

  // ---- Files.

  // `content` a text, or bytes; the name is the title's, with `extension`.
  function download(content, extension, type) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([content], {type}));
    link.download = DownloadName.of(readExercise().texts.title, extension);
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  async function openFile(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    const opened = withText(file.name, (name) => module._EditorOpen(pointer, bytes.length, name));
    module._free(pointer);
    if (opened !== 1) {
      say('Файлът не може да се отвори: ' + module.UTF8ToString(module._EditorFileError()), true);
      return;
    }
    touched = true;
    load(receivedExercise());
    if (!status.classList.contains('fault')) say(`Отворен е файлът „${file.name}“.`);
  }

  function bind() {
    const form = $('fields');
    form.addEventListener('input', (event) => {
      if (event.target.closest('#descriptions')) {
        // The options' choices show the descriptions as they are typed.
        const descriptions = readExercise().descriptions;
        for (const select of form.querySelectorAll('#options select')) {
          descriptionChoices(select, descriptions, Number(select.value));
        }
      }
      edited();
    });
    form.addEventListener('submit', (event) => event.preventDefault());
    form.addEventListener('click', (event) => {
      const action = event.target.dataset && event.target.dataset.action;
      if (!action) return;
      const row = event.target.closest('tr');
      changeRows(row.dataset.kind, Number(row.dataset.index), action);
    });
    $('add-option').addEventListener('click', () => changeRows('option', 0, 'add'));
    $('add-description').addEventListener('click', () => changeRows('description', 0, 'add'));
    $('new').addEventListener('click', () => {
      if (!confirm('Да се изчисти ли упражнението? Незаписаното в файл ще се загуби.')) return;
      touched = false;
      load(blankExercise());
      textField(textKeys()[0]).focus();
    });
    $('open').addEventListener('click', () => $('open-file').click());
    $('open-file').addEventListener('change', (event) => {
      const [file] = event.target.files;
      event.target.value = '';
      if (file) openFile(file);
    });
    document.addEventListener('dragover', (event) => {
      event.preventDefault();
      event.dataTransfer.dropEffect = 'copy';
    });
    document.addEventListener('drop', (event) => {
      event.preventDefault();
      const [file] = event.dataTransfer.files;
      if (file) openFile(file);
    });
    $('save').addEventListener('click', () =>
      download(module.UTF8ToString(module._EditorFileText()), '.trovanel', 'application/toml'));
    $('page').addEventListener('click', () => {
      const page = withText(packedModule, (packed) => module.UTF8ToString(module._EditorPage(packed)));
      download(page, '.html', 'text/html');
    });
    $('package').addEventListener('click', () => {
      const zip = withText(packedModule, (packed) => {
        const pointer = module._EditorPackage(packed);
        return module.HEAPU8.slice(pointer, pointer + module._EditorReturnedSize());
      });
      download(zip, '.zip', 'application/zip');
    });
    $('gift').addEventListener('click', () => {
      const gift = module.UTF8ToString(module._EditorGift());
      if (gift) {
        download(gift, '.gift', 'text/plain');
      } else {
        say('Въпросът GIFT не може да се запише: ' +
            module.UTF8ToString(module._EditorGiftError()), true);
      }
    });
  }

  function storedWork() {
    try {
      const stored = JSON.parse(localStorage.getItem(kStorageKey));
      if (stored && stored.exercise && stored.exercise.texts) {
        return {...stored, exercise: upgradedDraft(stored.exercise)};
      }
    } catch (error) {
      // Work that cannot be read back is no work: the editor starts afresh.
    }
    return null;
  }

  async function start() {
    const [loaded, packed] = await Promise.all([
      TrovanelEditor(),
      fetch('trovanel-one-file.pack').then((response) => response.text()),
    ]);
    module = loaded;
    packedModule = packed;
    build(JSON.parse(module.UTF8ToString(module._EditorSchema())));
    // The fields are filled in a task of their own, after the module's start.
    await new Promise((resolve) => setTimeout(resolve));
    bind();
    const stored = storedWork();
    if (stored) touched = Boolean(stored.touched);
    load(stored ? stored.exercise : blankExercise());
  }

  // The module and the one-file module are fetched once the page has been
  // drawn (or after a second, in a tab not shown): the teacher sees the
  // editor first.
  let started = false;
  const startOnce = () => {
    if (started) return;
    started = true;
    start().catch((error) => say('Редакторът не може да започне: ' + error.message, true));
  };
  new PerformanceObserver(() => setTimeout(startOnce)).observe({type: 'paint', buffered: true});
  setTimeout(startOnce, 1000);
})();
