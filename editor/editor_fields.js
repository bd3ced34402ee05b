// The editor's fields: the exercise's texts, and the tables of options and
// descriptions whose rows are named after their number, each with buttons
// that move and remove it. A description has its own short name too, by
// which the file's options point at it.
'use strict';

const EditorFields = (function() {
  // What an exercise is made of, from the module (editor/exercise_schema_json.h):
  // the texts in the order of the file, which the module numbers so, the two
  // tables and the bounds of their rows.
  let schema = null;
  let kTexts = [];
  const $ = (id) => document.getElementById(id);

  function hint(id, text) {
    $(id).textContent = text;
  }

  // The text fields, the tables' column headings and hints, from the schema.
  function build(exerciseSchema) {
    schema = exerciseSchema;
    kTexts = schema.texts.map((text) => text.key);
    const fields = schema.texts.map((text) => {
      const element = document.createElement(text.multiLine ? 'textarea' : 'input');
      element.id = 'f-' + text.key;
      element.dataset.field = text.key;
      if (text.multiLine) element.rows = Math.min(5, Math.ceil(text.limit / 100));
      const label = document.createElement('label');
      label.htmlFor = element.id;
      label.textContent = text.label.bg;
      const field = document.createElement('div');
      field.className = 'field';
      field.append(label, element);
      return field;
    });
    $('texts').append(...fields);
    for (const [kind, table] of Object.entries(tables())) {
      const columns = [schema.tables[kind].text, schema.tables[kind].link].map((field) => {
        const heading = document.createElement('th');
        heading.scope = 'col';
        heading.textContent = field.label.bg;
        return heading;
      });
      $(table).tHead.rows[0].lastElementChild.before(...columns);
    }
    const {min, max} = schema.rows;
    hint('options-hint', `От ${min} до ${max} варианта, всеки до ` +
         `${schema.tables.option.text.limit} знака, с вярното му описание.`);
    hint('descriptions-hint', `От ${min} до ${max} описания, всяко до ` +
         `${schema.tables.description.text.limit} знака. Описание може да е вярно за ` +
         'няколко варианта или за нито един. Всяко има и кратко име, различно от ' +
         'другите: във файла вариантите сочат описанията си по него.');
  }

  function tables() {
    return {option: 'options', description: 'descriptions'};
  }

  function textKeys() {
    return kTexts;
  }

  // How a row of `kind` ('option', 'description') is named to the teacher.
  function rowLabel(kind) {
    return schema.tables[kind].label.bg;
  }

  function defaultTexts() {
    return Object.fromEntries(schema.texts.map((text) => [text.key, text.default]));
  }

  function blankExercise() {
    return {texts: defaultTexts(),
            options: [{text: '', right: -1}, {text: '', right: -1}],
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
  // their number as its files named them, and texts it did not have yet.
  function upgradedDraft(exercise) {
    return {
      ...exercise,
      texts: {...defaultTexts(), ...exercise.texts},
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
    const {option, description} = schema.tables;
    const options = rowsOf('options').map((row) => ({
      text: value(row, option.text.key),
      right: Number(value(row, option.link.key)),
    }));
    const descriptions = rowsOf('descriptions').map((row) => ({
      name: value(row, description.link.key),
      text: value(row, description.text.key),
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
    const name = `${rowLabel(kind)} ${index + 1}`;
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
    remove.disabled = count <= schema.rows.min;
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
        const right = schema.tables.option.link;
        const select = field(document.createElement('select'), right.key,
                             `${right.label.bg}: ${name}`);
        descriptionChoices(select, exercise.descriptions, option.right);
        return [input(option.text, schema.tables.option.text.key, name), select];
      }));
    $('options').tBodies[0].replaceChildren(...optionRows);
    const descriptionRows = exercise.descriptions.map((description, index) =>
      makeRow('description', index, exercise.descriptions.length,
              (name) => {
                const {text, link} = schema.tables.description;
                return [input(description.text, text.key, name),
                        input(description.name, link.key, `${link.label.bg}: ${name}`)];
              }));
    $('descriptions').tBodies[0].replaceChildren(...descriptionRows);
    $('add-option').disabled = exercise.options.length >= schema.rows.max;
    $('add-description').disabled = exercise.descriptions.length >= schema.rows.max;
  }

  // The element a fault of the module's field path ("option.2.right") is in.
  function fieldElement(path) {
    const [table, index, key] = path.split('.');
    if (kTexts.includes(table)) return textField(table);
    if (!tables()[table]) return null;
    if (index === undefined) return $(table === 'option' ? 'add-option' : 'add-description');
    const row = rowsOf(tables()[table])[Number(index)];
    if (!row) return null;
    return row.querySelector(`[data-key=${key || schema.tables[table].text.key}]`);
  }

  function fieldName(element) {
    if (element.labels && element.labels.length) return element.labels[0].textContent;
    return element.getAttribute('aria-label') || element.textContent;
  }

  function focusRow(kind, index, selector) {
    const rows = rowsOf(tables()[kind]);
    const row = rows[Math.min(index, rows.length - 1)];
    let target = row.querySelector(selector);
    if (!target || target.disabled) target = row.querySelector('input');
    target.focus();
  }

  return {build, textKeys, rowLabel, blankExercise, freeName, upgradedDraft, textField,
          readExercise, showExercise, descriptionChoices, fieldElement, fieldName, focusRow};
})();
