// The editor's fields: the exercise's texts, and the tables of options and
// descriptions whose rows are named after their number, each with buttons
// that move and remove it.
'use strict';

const EditorFields = (function() {
  // The exercise's texts in the order of the file; the module numbers them so.
  const kTexts = ['window-title', 'title', 'group', 'list-heading', 'start-text',
                  'missing-choice', 'correct', 'wrong'];
  const kMinRows = 2;
  const kMaxRows = 8;
  const $ = (id) => document.getElementById(id);

  function blankExercise() {
    const texts = Object.fromEntries(kTexts.map((key) => [key, '']));
    texts['missing-choice'] = 'Посочете две стойности!';
    texts.correct = 'Правилно.';
    texts.wrong = 'Грешка!';
    return {texts, options: [{text: '', right: -1}, {text: '', right: -1}],
            descriptions: ['', '']};
  }

  function textField(key) {
    return $('f-' + key);
  }

  function rowsOf(table) {
    return [...$(table).tBodies[0].rows];
  }

  function readExercise() {
    const texts = Object.fromEntries(kTexts.map((key) => [key, textField(key).value]));
    const options = rowsOf('options').map((row) => ({
      text: row.querySelector('input').value,
      right: Number(row.querySelector('select').value),
    }));
    const descriptions = rowsOf('descriptions').map((row) => row.querySelector('input').value);
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
      if (cell.tagName === 'INPUT') td.className = 'text';
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

  function input(value, label) {
    const element = document.createElement('input');
    element.value = value;
    element.setAttribute('aria-label', label);
    return element;
  }

  function descriptionChoices(select, descriptions, right) {
    const none = new Option('— изберете —', '-1');
    const choices = descriptions.map((text, row) => {
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
        const select = document.createElement('select');
        select.setAttribute('aria-label', `Вярно описание: ${name}`);
        descriptionChoices(select, exercise.descriptions, option.right);
        return [input(option.text, name), select];
      }));
    $('options').tBodies[0].replaceChildren(...optionRows);
    const descriptionRows = exercise.descriptions.map((text, index) =>
      makeRow('description', index, exercise.descriptions.length,
              (name) => [input(text, name)]));
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
    return row.querySelector(key === 'right' ? 'select' : 'input');
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

  return {kTexts, kMaxRows, blankExercise, textField, readExercise, showExercise,
          descriptionChoices, fieldElement, fieldName, focusRow};
})();
