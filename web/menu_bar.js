// QuvMenuBar: the game's menu bar, as the page came with it, given the keys of a WAI-ARIA
// menubar: ← → along the bar, ↓ ↑ Enter Space open a submenu, ↓ ↑ within it, Enter Space choose.
// The way in and out is the game's: F10 in and out, Escape closes a submenu and then leaves, and
// the keys go back to the room the game says. No item has an access key.
class QuvMenuBar {
  // bar: the menu bar the page came with; keys: the window's keys as the game reads and rules
  // them (page.js); commandAt(bar, item) gives the game's command of the item at that place
  // (item -1: the bar's own); choose(command) runs a choice and settles when it is done.
  constructor(bar, keys, commandAt, choose) {
    this.bar = bar;
    this.keys = keys;
    this.choose = choose;
    this.top = [...bar.querySelectorAll(':scope > li > [role=menuitem]')];
    this.top.forEach((entry, position) => {
      this.adopt(entry, commandAt(position, -1));
      const menu = entry.nextElementSibling;
      if (menu)
        entry.submenu = [...menu.querySelectorAll('[role=menuitem]')].map(
            (child, item) => this.adopt(child, commandAt(position, item)));
    });
    bar.addEventListener('keydown', event => this.key(event));
    bar.addEventListener('keyup', event => {
      if (['Space', 'Enter'].includes(this.keys.of(event))) {
        event.preventDefault();
        if (this.keys.pressed(event, event.target))
          this.activate(event.target, true);
      }
    });
    // F10 in and out of the bar from anywhere in the window, and Escape out of it.
    document.addEventListener('keydown', event => this.wayKey(event));
    // The mouse leaves the focus where it was, as a desktop menu bar does.
    bar.addEventListener('mousedown', event => event.preventDefault());
    document.addEventListener('mousedown', event => {
      if (!bar.contains(event.target))
        this.closeSubmenu();
    });
  }

  adopt(entry, command) {
    // A click from a screen reader's press (no mouse, detail 0) acts as a key does.
    entry.addEventListener('click', event => this.activate(entry, event.detail === 0));
    entry.command = command;
    return entry;
  }

  get open() { return this.top.find(entry => entry.getAttribute('aria-expanded') === 'true'); }

  // F10 and Escape: the game says whether they take the keys into the bar or out of it.
  wayKey(event) {
    const step = this.keys.menu(event, this.bar.contains(document.activeElement), !!this.open);
    if (!step)
      return;
    event.preventDefault();
    if (step === 'enter') {
      this.keys.entered(document.activeElement);
      this.focus(this.top[0]);
    } else if (step === 'close') {
      this.focus(this.closeSubmenu());
    } else if (step === 'leave') {
      this.leave();
    }
  }

  // Out of the bar, back to the room the game says.
  leave() {
    this.closeSubmenu();
    const back = this.keys.home();
    if (back && this.bar.contains(document.activeElement))
      back.focus();
  }

  focus(entry) {
    if (this.top.includes(entry)) {
      for (const other of this.top)
        other.tabIndex = other === entry ? 0 : -1;
    }
    entry.focus();
  }

  openSubmenu(entry, last) {
    entry.setAttribute('aria-expanded', 'true');
    entry.nextElementSibling.hidden = false;
    this.focus(entry.submenu[last ? entry.submenu.length - 1 : 0]);
  }

  closeSubmenu() {
    const open = this.open;
    if (!open)
      return null;
    open.setAttribute('aria-expanded', 'false');
    open.nextElementSibling.hidden = true;
    return open;
  }

  async activate(entry, fromKeys) {
    if (entry.submenu) {
      if (this.open === entry)
        this.closeSubmenu();
      else if (fromKeys)
        this.openSubmenu(entry, false);
      else
        this.showSubmenu(entry);
      return;
    }
    // The keys stay in the bar, on the item that opened the submenu, until the choice is done.
    const open = this.closeSubmenu();
    if (open && fromKeys)
      this.focus(open);
    await this.choose(entry.command);
    // Chosen from the keyboard: the keys go back to the building.
    if (fromKeys)
      this.leave();
  }

  showSubmenu(entry) {
    this.closeSubmenu();
    entry.setAttribute('aria-expanded', 'true');
    entry.nextElementSibling.hidden = false;
  }

  key(event) {
    const entry = event.target;
    const open = this.open;
    const inSubmenu = open && open.submenu.includes(entry);
    const list = inSubmenu ? open.submenu : this.top;
    const at = list.indexOf(entry);
    const step = by => list[(at + by + list.length) % list.length];
    const sideways = by => {
      this.closeSubmenu();
      this.focus(this.top[(this.top.indexOf(inSubmenu ? open : entry) + by + this.top.length) %
                          this.top.length]);
    };
    // Home and End are the bar's own, which the game has no name for.
    switch (this.keys.of(event) || event.key) {
    case 'Right': sideways(1); break;
    case 'Left': sideways(-1); break;
    case 'Down':
      if (inSubmenu) this.focus(step(1));
      else if (entry.submenu) this.openSubmenu(entry, false);
      break;
    case 'Up':
      if (inSubmenu) this.focus(step(-1));
      else if (entry.submenu) this.openSubmenu(entry, true);
      break;
    case 'Home': this.focus(list[0]); break;
    case 'End': this.focus(list[list.length - 1]); break;
    case 'Enter':
    case 'Space':
      if (this.keys.pressed(event, entry))
        this.activate(entry, true);
      break;
    case 'Tab':
      this.closeSubmenu();
      return;
    default:
      return;
    }
    event.preventDefault();
  }
}
