// The game's two dialogs: the message box, modal with only OK, and the continue dialog.
// QuvBox: one text at a time. The promise settles once the box has closed, by OK or by Escape, as
// a desktop box with only OK closes.
class QuvBox {
  constructor() {
    this.dialog = document.getElementById('box');
    this.title = document.getElementById('box-title');
    this.text = document.getElementById('box-text');
  }

  show(title, text) {
    this.title.textContent = title;
    this.text.textContent = text;
    this.dialog.showModal();
    return new Promise(resolve => this.dialog.addEventListener('close', resolve, {once: true}));
  }
}

// QuvQuestion: the continue dialog, built from the module's captions. It opens modeless over the
// disabled window, placed by the layout the module computes from the texts measured here. The
// focus starts on YES; Enter presses the focused button (a fresh press only, not a held key),
// Escape does nothing, and neither button is the default.
class QuvQuestion {
  constructor(description, answer) {
    this.dialog = document.getElementById('question');
    this.client = document.getElementById('question-client');
    this.text = document.getElementById('question-text');
    this.yes = document.getElementById('yes');
    this.no = document.getElementById('no');
    document.getElementById('question-title').textContent = description.caption;
    const controls = [[this.text, description.question], [this.yes, description.yes],
                      [this.no, description.no]];
    for (const [element, control] of controls) {
      element.textContent = control.caption;
      element.dataset.control = control.control;
    }
    this.yes.addEventListener('click', () => answer(true));
    this.no.addEventListener('click', () => answer(false));
    this.dialog.addEventListener('keydown', event => {
      if (event.key === 'Escape') {
        event.preventDefault();
      } else if (event.key === 'Enter') {
        event.preventDefault();
        const focused = document.activeElement;
        if (!event.repeat && (focused === this.yes || focused === this.no))
          focused.click();
      }
    });
  }

  get isOpen() { return this.dialog.open; }

  // [question width, question height, larger button width, larger button height] in CSS pixels:
  // the question's glyphs, which may reach beyond its line, and each button with the padding and
  // border it draws around its caption.
  measure() {
    this.dialog.classList.add('measuring');
    this.dialog.show();
    const text = this.text.getBoundingClientRect();
    const [yes, no] = [this.yes, this.no].map(button => button.getBoundingClientRect());
    return [Math.max(text.width, this.text.scrollWidth),
            Math.max(text.height, this.text.scrollHeight), Math.max(yes.width, no.width),
            Math.max(yes.height, no.height)].map(Math.ceil);
  }

  open(layout) {
    place(this.client, [0, 0, ...layout.client]);
    place(this.text, layout.question);
    place(this.yes, layout.yes);
    place(this.no, layout.no);
    this.dialog.classList.remove('measuring');
    this.yes.focus();
  }

  close() {
    if (this.dialog.open)
      this.dialog.close();
  }
}

// Puts an absolutely placed element at [left, top, width, height] in CSS pixels.
function place(element, [left, top, width, height]) {
  Object.assign(element.style,
                {left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`});
}
