// The editor's fields: the exercise's texts, and the tables of options and
// descriptions whose rows are named after their number, each with buttons
// that move and remove it. A description has its own short name too, by
// which the file's options point at it.
'use strict';

const EditorFields = (function() {
  // The exercise's texts in the order of the file; the module numbers them so.
  const kTexts = ['window-title', 'title', 'group', 'list-heading', 'start-text',
                  'missing-choice', 'correct', 'wrong', 'language'];
  const kMinRows = 2;
  const kMaxRows = 8;
  const $ = (id) => document.getElementById(id);

  function blankExercise() {
    const texts = Object.fromEntries(kTexts.map((key) => [key, '']));
    texts['missing-choice'] = 'Посочете две стойности!';
    texts.correct = 'Правилно.';
    texts.wrong = 'Грешка!';
    return {texts, options: [{text: '', right: -1}, {text: '', right: -1}],
            descriptions: [{name: '1', text: ''}, {name: '2', text: ''}]};
  }

  // The least number from 1 that no description goes by.
  function freeName(descriptions) {
    const taken = new Set(descriptions.map((description) => description.name));
    let number = 1;
    while (taken.has(String(number))) number++;
    return String(number);
  }

  // A draft kept by an earlier editor: descriptions as bare texts, named by
  // their number as its files named them, and no language.
  function upgradedDraft(exercise) {
    return {
      ...exercise,
      texts: {language: '', ...exercise.texts},
      descriptions: exercise.descriptions.map((description, row) =>
        typeof description === 'string' ? {name: String(row + 1), text: description}
                                        : description),
    };
  }

  function textField(key) {
    return $('f-' + key);
  }

  function rowsOf(table) {
    return [...$(table).tBodies[0].rows];
  }

  function readExercise() {
    const texts = Object.fromEntries(kTexts.map((key) => [key, textField(key).value]));
    const value = (row, key) => row.querySelector(`[data-key=${key}]`).value;
    const options = rowsOf('options').map((row) => ({
      text: value(row, 'text'),
      right: Number(value(row, 'right')),
    }));
    const descriptions = rowsOf('descriptions').map((row) => ({
      name: value(row, 'name'),
      text: value(row, 'text'),
    }));
    return {texts, options, descriptions};
  }

  function button(text, label, action) {
    const element = document.createElement('button');
    element.type = 'button';
    element.textContent = text;
    element.setAttribute('aria-label', label);
    element.title = label;
    element.dataset.action = action;
    return element;
  }

  // A row: its number as the row's header, the fields named after it, and
  // the buttons that move and remove it.
  function makeRow(kind, index, count, cells) {
    const name = (kind === 'option' ? 'Вариант ' : 'Описание ') + (index + 1);
    const row = document.createElement('tr');
    const header = document.createElement('th');
    header.scope = 'row';
    header.textContent = index + 1;
    row.append(header);
    for (const cell of cells(name)) {
      const td = document.createElement('td');
      td.className = cell.dataset.key;
      td.append(cell);
      row.append(td);
    }
    const moves = document.createElement('td');
    moves.className = 'moves';
    const up = button('↑', `Нагоре: ${name}`, 'up');
    const down = button('↓', `Надолу: ${name}`, 'down');
    const remove = button('✕', `Премахни: ${name}`, 'remove');
    up.disabled = index === 0;
    down.disabled = index === count - 1;
    remove.disabled = count <= kMinRows;
    moves.append(up, ' ', down, ' ', remove);
    row.append(moves);
    row.dataset.kind = kind;
    row.dataset.index = index;
    return row;
  }

  // A row's field: `key` is its key in the file ("text", "name", "right").
  function field(element, key, label) {
    element.dataset.key = key;
    element.setAttribute('aria-label', label);
    return element;
  }

  function input(value, key, label) {
    const element = field(document.createElement('input'), key, label);
    element.value = value;
    return element;
  }

  function descriptionChoices(select, descriptions, right) {
    const none = new Option('— изберете —', '-1');
    const choices = descriptions.map(({text}, row) => {
      const shown = text.length > 40 ? text.slice(0, 40) + '…' : text;
      return new Option(`${row + 1}. ${shown}`, String(row));
    });
    select.replaceChildren(none, ...choices);
    select.value = String(right);
  }

  function showExercise(exercise) {
    for (const key of kTexts) textField(key).value = exercise.texts[key];
    const optionRows = exercise.options.map((option, index) =>
      makeRow('option', index, exercise.options.length, (name) => {
        const select = field(document.createElement('select'), 'right',
                             `Вярно описание: ${name}`);
        descriptionChoices(select, exercise.descriptions, option.right);
        return [input(option.text, 'text', name), select];
      }));
    $('options').tBodies[0].replaceChildren(...optionRows);
    const descriptionRows = exercise.descriptions.map((description, index) =>
      makeRow('description', index, exercise.descriptions.length,
              (name) => [input(description.text, 'text', name),
                         input(description.name, 'name', `Име: ${name}`)]));
    $('descriptions').tBodies[0].replaceChildren(...descriptionRows);
    $('add-option').disabled = exercise.options.length >= kMaxRows;
    $('add-description').disabled = exercise.descriptions.length >= kMaxRows;
  }

  // The element a fault of the module's field path ("option.2.right") is in.
  function fieldElement(path) {
    const [table, index, key] = path.split('.');
    if (kTexts.includes(table)) return textField(table);
    const tables = {option: 'options', description: 'descriptions'};
    if (!tables[table]) return null;
    if (index === undefined) return $(table === 'option' ? 'add-option' : 'add-description');
    const row = rowsOf(tables[table])[Number(index)];
    if (!row) return null;
    return row.querySelector(`[data-key=${key || 'text'}]`);
  }

  function fieldName(element) {
    if (element.labels && element.labels.length) return element.labels[0].textContent;
    return element.getAttribute('aria-label') || element.textContent;
  }

  function focusRow(kind, index, selector) {
    const rows = rowsOf(kind === 'option' ? 'options' : 'descriptions');
    const row = rows[Math.min(index, rows.length - 1)];
    let target = row.querySelector(selector);
    if (!target || target.disabled) target = row.querySelector('input');
    target.focus();
  }

  return {kTexts, kMaxRows, blankExercise, freeName, upgradedDraft, textField, readExercise,
          showExercise, descriptionChoices, fieldElement, fieldName, focusRow};
})();
