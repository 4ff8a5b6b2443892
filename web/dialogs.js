// The game's two dialogs: the message box, modal with only OK, and the continue dialog.
//
// Both open beside the window rather than as the browser's modal dialogs: a modal dialog makes
// everything behind it inert, so the room that had the focus loses its name and a screen reader
// takes it for gone and moves to the dialog without a word. The page keeps them modal itself
// (QuvModal): while one waits, as the game says, no click or key reaches the window and the focus
// stays on the dialog's buttons.

// QuvBox: one text at a time, as a dialog whose title names it and whose text describes it, so a
// screen reader speaks both with OK (as an alert dialog, it would speak them two or three times).
// The promise settles once the box has been answered, by OK or by Escape, as a desktop box with
// only OK closes. Where the focus goes then is the caller's: most often straight into the next
// box. keyOf(event) names a key as the game reads it, the same in every browser engine.
class QuvBox {
  constructor(keyOf) {
    this.template = document.getElementById('box').cloneNode(true);
    this.keyOf = keyOf;
  }

  get current() { return document.getElementById('box'); }

  get button() {
    const dialog = this.current;
    return dialog.open && !dialog.classList.contains('leaving') ? dialog.querySelector('#box-ok')
                                                                 : null;
  }

  show(title, text) {
    // A fresh box for every text: a screen reader speaks a box as it appears, and would not
    // hear a new text in one it has already spoken.
    const dialog = this.template.cloneNode(true);
    this.current.replaceWith(dialog);
    dialog.querySelector('#box-title').textContent = title;
    dialog.querySelector('#box-text').textContent = text;
    const ok = dialog.querySelector('#box-ok');
    return new Promise(resolve => {
      const answer = () => {
        if (!dialog.classList.contains('leaving')) {
          retire(dialog, () => dialog.close());
          resolve();
        }
      };
      ok.addEventListener('click', answer);
      dialog.addEventListener('keydown', event => {
        const key = this.keyOf(event);
        if (key === 'Escape' || key === 'Tab')
          event.preventDefault();
        if (key === 'Escape')
          answer();
      });
      dialog.show();
      ok.focus();
    });
  }
}

// QuvQuestion: the continue dialog, built from the module's captions; the question describes it.
// It opens over the disabled window, placed by the layout the module computes from the texts
// measured here. The focus starts on YES; what a key does on it is the game's to say
// (keys.dialog(event, control's name)): Tab goes round the two buttons, Enter or Space presses the
// focused one, Escape does nothing, and neither button is the default.
class QuvQuestion {
  constructor(description, answer, keys) {
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
    const control = name => this.dialog.querySelector(`[data-control="${name}"]`);
    const key = event => {
      const step = keys.dialog(event, event.target.dataset.control || '');
      if (step.consumed)
        event.preventDefault();
      if (step.focus)
        control(step.focus).focus();
      if (step.press)
        control(step.press).click();
    };
    this.dialog.addEventListener('keydown', key);
    this.dialog.addEventListener('keyup', key);
  }

  get shown() { return this.dialog.open && !this.dialog.classList.contains('leaving'); }

  // The button the focus stays on while the answer is awaited.
  get button() {
    return this.dialog.contains(document.activeElement) && document.activeElement !== this.dialog
               ? document.activeElement
               : this.yes;
  }

  // [question width, question height, larger button width, larger button height] in CSS pixels:
  // the question's glyphs, which may reach beyond its line, and each button with the padding and
  // border it draws around its caption. Measured on an unseen copy, so that the dialog, open or
  // not, keeps its place and its focus.
  measure() {
    const copy = this.dialog.cloneNode(true);
    copy.classList.remove('leaving');
    copy.classList.add('measuring');
    document.body.append(copy);
    copy.show();
    const [text, yes, no] = ['#question-text', '#yes', '#no'].map(id => copy.querySelector(id));
    const [textPlace, yesPlace, noPlace] = [text, yes, no].map(e => e.getBoundingClientRect());
    const sizes = [Math.max(textPlace.width, text.scrollWidth),
                   Math.max(textPlace.height, text.scrollHeight),
                   Math.max(yesPlace.width, noPlace.width),
                   Math.max(yesPlace.height, noPlace.height)].map(Math.ceil);
    copy.remove();
    return sizes;
  }

  open(layout) {
    this.place(layout);
    this.dialog.classList.remove('leaving');
    this.dialog.show();
    this.yes.focus();
  }

  place(layout) {
    place(this.client, [0, 0, ...layout.client]);
    place(this.text, layout.question);
    place(this.yes, layout.yes);
    place(this.no, layout.no);
  }

  close() {
    if (this.dialog.open)
      retire(this.dialog, () => this.dialog.close());
  }
}

// Takes an answered dialog out of sight and out of the mouse's way at once, but out of the
// screen reader's tree only a moment later: if the control with the focus goes before the focus
// has moved on, a screen reader takes the focus for lost and says nothing of where it went.
function retire(dialog, done) {
  dialog.classList.add('leaving');
  setTimeout(() => {
    if (dialog.classList.contains('leaving')) {
      dialog.classList.remove('leaving');
      done();
    }
  }, 500);
}

// QuvModal: while a box or the continue dialog waits (button() gives its button to stay on, or
// null; the page asks the game), a click anywhere else does nothing and leaves the focus on that button, and the focus
// cannot be taken elsewhere.
class QuvModal {
  constructor(button) {
    const waiting = () => button();
    for (const type of ['mousedown', 'pointerdown', 'click', 'dblclick', 'contextmenu']) {
      document.addEventListener(type, event => {
        const on = waiting();
        if (!on || event.target === on || (on.contains(event.target)))
          return;
        // A press on the other button of the dialog is the player's to make.
        if (event.target.closest && event.target.closest('dialog[open] button'))
          return;
        event.preventDefault();
        event.stopImmediatePropagation();
      }, true);
    }
    document.addEventListener('focusin', event => {
      const on = waiting();
      if (on && !on.closest('dialog').contains(event.target))
        on.focus();
    }, true);
  }
}
