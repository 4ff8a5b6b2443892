// QuvMenuBar: the game's menu bar, built from the module's menu, with the keys of a WAI-ARIA
// menubar: ← → along the bar, ↓ ↑ Enter Space open a submenu, ↓ ↑ within it, Enter Space choose,
// Escape closes a submenu and then leaves the bar, as F10 does. No item has an access key.
class QuvMenuBar {
  // choose(command) runs a choice and settles when it is done; home() gives the element the keys
  // go back to when there is none to return to; pressed(event, item) says whether an Enter or
  // Space presses the item now.
  constructor(bar, items, choose, home, pressed) {
    this.bar = bar;
    this.choose = choose;
    this.home = home;
    this.pressed = pressed;
    this.before = null;
    this.top = [];
    for (const item of items) {
      const entry = this.item(bar, item);
      const children = item.submenu;
      if (children.length) {
        entry.setAttribute('aria-haspopup', 'menu');
        entry.setAttribute('aria-expanded', 'false');
        const menu = document.createElement('ul');
        menu.setAttribute('role', 'menu');
        menu.setAttribute('aria-label', item.caption);
        menu.hidden = true;
        entry.parentElement.append(menu);
        entry.submenu = children.map(child => this.item(menu, child));
      }
      this.top.push(entry);
    }
    this.top[0].tabIndex = 0;
    bar.addEventListener('keydown', event => this.key(event));
    bar.addEventListener('keyup', event => {
      if (event.key === ' ' || event.key === 'Enter') {
        event.preventDefault();
        if (this.pressed(event, event.target))
          this.activate(event.target, true);
      }
    });
    // The mouse leaves the focus where it was, as a desktop menu bar does.
    bar.addEventListener('mousedown', event => event.preventDefault());
    document.addEventListener('mousedown', event => {
      if (!bar.contains(event.target))
        this.closeSubmenu();
    });
  }

  item(list, item) {
    const li = document.createElement('li');
    li.setAttribute('role', 'none');
    const entry = document.createElement('span');
    entry.setAttribute('role', 'menuitem');
    entry.tabIndex = -1;
    entry.textContent = item.caption;
    entry.dataset.control = item.control;
    // A click from a screen reader's press (no mouse, detail 0) acts as a key does.
    entry.addEventListener('click', event => this.activate(entry, event.detail === 0));
    entry.command = item.command;
    li.append(entry);
    list.append(li);
    return entry;
  }

  get open() { return this.top.find(entry => entry.getAttribute('aria-expanded') === 'true'); }

  // F10: into the bar on its first item, or out of it back to where the keys were.
  toggle() {
    if (this.bar.contains(document.activeElement)) {
      this.leave();
    } else {
      this.before = document.activeElement;
      this.focus(this.top[0]);
    }
  }

  leave() {
    this.closeSubmenu();
    const before = this.before;
    const back = before && before !== document.body && before.isConnected ? before : this.home();
    this.before = null;
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
    switch (event.key) {
    case 'ArrowRight': sideways(1); break;
    case 'ArrowLeft': sideways(-1); break;
    case 'ArrowDown':
      if (inSubmenu) this.focus(step(1));
      else if (entry.submenu) this.openSubmenu(entry, false);
      break;
    case 'ArrowUp':
      if (inSubmenu) this.focus(step(-1));
      else if (entry.submenu) this.openSubmenu(entry, true);
      break;
    case 'Home': this.focus(list[0]); break;
    case 'End': this.focus(list[list.length - 1]); break;
    case 'Enter':
    case ' ':
      if (this.pressed(event, entry))
        this.activate(entry, true);
      break;
    case 'Escape':
      if (inSubmenu) this.focus(this.closeSubmenu());
      else this.leave();
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
