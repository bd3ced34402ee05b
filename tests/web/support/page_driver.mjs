// The pupil at the page: real mouse and keyboard input through the browser,
// and what the page shows read back from its elements. Controls are found
// by the ids the page gives them: array name and member.
const kKeys = {
  Up: 'ArrowUp', Down: 'ArrowDown', Left: 'ArrowLeft', Right: 'ArrowRight',
  Page_Up: 'PageUp', Page_Down: 'PageDown', Return: 'Enter', space: 'Space',
};

export class PageDriver {
  // With `touch`, the pupil taps where a mouse would click.
  constructor(page, { touch = false } = {}) {
    this.page = page;
    this.press = touch ? 'tap' : 'click';
  }

  clickOption(member) {
    return this.page[this.press](`#Option1_${member}`);
  }

  clickRow(row) {
    return this.page[this.press](`#List1_0_row${row}`);
  }

  // Presses on the option and lets go away from it.
  async pressBack(member) {
    const box = await this.page.locator(`#Option1_${member}`).boundingBox();
    const mouse = this.page.mouse;
    await mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await mouse.down();
    await mouse.move(box.x + box.width + 60, box.y + box.height / 2, { steps: 4 });
    await mouse.up();
  }

  async key(name) {
    if (!kKeys[name] && /^[^\x00-\x7f]$/u.test(name)) {
      // A letter the browser's US layout lacks (a Cyrillic one): the key
      // event a Bulgarian keyboard sends, through the browser's input.
      const cdp = await this.page.context().newCDPSession(this.page);
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: name, text: name });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: name });
      return cdp.detach();
    }
    return this.page.keyboard.press(kKeys[name] || name);
  }

  // What the message box shows.
  message() {
    return this.page.inputValue('#Text1_0');
  }

  // 'message', 'list', 'option M', or the focused element's id.
  focus() {
    return this.page.evaluate(() => {
      const element = document.activeElement;
      if (element.id === 'Text1_0') return 'message';
      if (element.id === 'List1_0') return 'list';
      const option = element.closest('[id^=Option1_]');
      if (option) return `option ${option.id.slice('Option1_'.length)}`;
      return element.id || element.tagName.toLowerCase();
    });
  }

  // The checked option's member, or 'none' ('several' would be a fault).
  chosen() {
    return this.page.evaluate(() => {
      const checked = [...document.querySelectorAll('[id^=Option1_]')]
        .filter((option) => option.control.checked)
        .map((option) => option.id.slice('Option1_'.length));
      return checked.length > 1 ? 'several' : (checked[0] ?? 'none');
    });
  }

  // The highlighted row of the description list, or 'none'.
  selected() {
    return this.page.evaluate(() => {
      const rows = [...document.querySelectorAll('#List1_0 > [role=option]')];
      const shown = rows.flatMap((row, index) =>
        row.getAttribute('aria-selected') === 'true' ? [String(index)] : []);
      return shown.length > 1 ? 'several' : (shown[0] ?? 'none');
    });
  }
}
