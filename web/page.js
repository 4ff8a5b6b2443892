// The page: takes over the game's window, which came with the page at 1:1, lays it out as the
// module describes it at the dpi that fits the screen, hands every input to the game, one action
// at a time, and plays back what each action did.
(() => {
  'use strict';

  document.body.append(document.getElementById('later').content);
  const win = document.getElementById('window');
  const client = document.getElementById('client');
  const box = new QuvBox(event => keys.of(event));
  // The arrow keys by the game's names, in the order of each room's neighbours in the description.
  const arrows = ['Left', 'Right', 'Up', 'Down'];

  let quv = null;   // the module; null once the game has ended
  let rooms = [];   // the description's rooms, by index
  let cells = [];   // their buttons, by index
  let frame = [];   // the four sides of the focus frame
  let facade = null;
  let menuBar = null;
  let question = null;
  let gameFocus = false; // the game itself moves the focus to a room
  let pointing = false;  // a press of the mouse or a finger is under way
  // The number each room and button goes by for the window's keys.
  const controls = new Map();

  // The page's side of the module's calls (web/page_*.cpp), played back in the order the game
  // made them; a box's promise holds back the rest until OK.
  const page = {
    setCell(index, colour) { cells[index].style.backgroundColor = colour; },
    setBackground(colour) { client.style.backgroundColor = colour; },
    setEnabled(on) {
      // Behind the continue dialog the menu is unavailable, and says so. The rooms keep their
      // state: the focus comes back to one as the window is given back, and a screen reader
      // would still call it unavailable then.
      menuBar.bar.setAttribute('aria-disabled', String(!on));
      if (on)
        question.close();
    },
    focusRoom(index) {
      gameFocus = true;
      cells[index].focus();
      gameFocus = false;
    },
    showNames,
    showDialog() { question.open(dialogLayout()); },
    showBox(title, text) {
      return box.show(title, text);
    },
    end,
  };

  // Whether an action is still being played: the module acts on nothing else meanwhile.
  const playing = () => quv._quv_playing() !== 0;

  // The one way into the game: the module runs the action at once and hands back what it did,
  // which is played here in that order, each box waiting for OK before what follows it. A second
  // action while one is played (a box waits) does nothing. Settles once the action is played.
  async function act(name, argument) {
    const module = quv;
    if (!module || playing())
      return;
    const before = document.activeElement;
    const calls = JSON.parse(module.UTF8ToString(module[`_${name}`](argument)));
    if (!calls.length)
      return;
    win.setAttribute('aria-busy', 'true');
    try {
      for (const [call, ...args] of calls) {
        const answered = page[call](...args);
        if (answered)
          await answered;
      }
    } finally {
      module._quv_played();
      win.removeAttribute('aria-busy');
    }
    if (quv) {
      // The game gave the focus no new home (a visit's room, the dialog's YES) after its last
      // box: it goes back where it was.
      if (box.current.contains(document.activeElement) && before.isConnected)
        before.focus();
      showFrame();
    }
  }

  // What waits for the player, as the game says, with the button that keeps the focus: the box of
  // the action being played, else the continue dialog while its answer is awaited; null when
  // nothing waits (as once the game has ended).
  function waiting() {
    if (!quv)
      return null;
    if (playing())
      return box.button;
    return quv._quv_awaiting_answer() ? question.button : null;
  }

  // The continue dialog's places for its texts as the player's font draws them now, at the dpi
  // the window is laid out at.
  function dialogLayout() {
    return JSON.parse(quv.UTF8ToString(quv._quv_dialog_layout(...question.measure())));
  }

  // What assistive technology is told of the suspect sought: in the window's description, and in
  // the window's, the building's and the tab's names, for a screen reader's where-am-I and title
  // commands and for the focus coming back to a room. The game tells them before every box and
  // after every action, and the playback keeps them in that place.
  function showNames(windowName, buildingName, description) {
    if (description)
      win.setAttribute('aria-description', description);
    else
      win.removeAttribute('aria-description');
    win.setAttribute('aria-label', windowName);
    client.setAttribute('aria-label', buildingName);
    document.title = windowName;
  }

  // A call into the module with texts among its arguments, which live on the module's stack for
  // the call.
  function call(name, ...args) {
    const stack = quv.stackSave();
    try {
      return quv[`_${name}`](
          ...args.map(arg => (typeof arg === 'string' ? quv.allocateUTF8OnStack(arg) : arg)));
    } finally {
      quv.stackRestore(stack);
    }
  }
  const text = pointer => quv.UTF8ToString(pointer);

  // The window's keys, read by the game from each event's key and code, so that every browser
  // engine's events mean the same (WebKitGTK's Shift+Tab has no key, only its code), and ruled by
  // the game.
  const keys = {
    // The game's name of the key ('Tab', 'Left', 'Space', ...), '' for none of its keys.
    of(event) {
      return quv ? text(call('quv_key_of', event.key || '', event.code || '')) : '';
    },
    // Enter or Space on a room or menu item: true when it presses it now.
    pressed(event, element) {
      if (!quv)
        return false;
      if (!controls.has(element))
        controls.set(element, controls.size);
      return call('quv_key', event.key || '', event.code || '', event.type === 'keydown' ? 1 : 0,
                  event.repeat ? 1 : 0, controls.get(element)) !== 0;
    },
    // A key on the continue dialog's control named on: {consumed, focus, press}.
    dialog(event, on) {
      if (!quv)
        return {consumed: false, focus: '', press: ''};
      return JSON.parse(text(call('quv_dialog_key', event.key || '', event.code || '',
                                  event.type === 'keydown' ? 1 : 0, event.repeat ? 1 : 0,
                                  event.shiftKey ? 1 : 0, on)));
    },
    // A key down in the window: 'enter' the menu bar, 'close' its submenu, 'leave' it, 'hold'
    // (nothing, while another window is in front) or ''.
    menu(event, inBar, submenuOpen) {
      if (!quv)
        return '';
      const modified = event.shiftKey || event.ctrlKey || event.altKey || event.metaKey;
      return text(call('quv_menu_key', event.key || '', event.code || '', modified ? 1 : 0,
                       inBar ? 1 : 0, submenuOpen ? 1 : 0));
    },
    // The keys go into the menu bar from the focused element.
    entered(from) {
      if (quv)
        quv._quv_menu_entered(cells.indexOf(from));
    },
    // The room the keys go back to from the menu bar.
    home() { return quv ? cells[quv._quv_menu_leave()] : null; },
  };

  async function visit(index) {
    await act('quv_visit', index);
  }

  async function answer(yes) {
    await act('quv_answer', yes ? 1 : 0);
  }

  // Which the player used last on a room, the keys or the mouse, decides whether the frame shows.
  function roomInput(keyboard) {
    if (!quv || playing())
      return;
    quv._quv_room_input(keyboard ? 1 : 0);
    showFrame();
  }

  function showFrame() {
    if (!quv || playing())
      return;
    const index = cells.indexOf(document.activeElement);
    const shown = quv._quv_frame_shown(index >= 0 ? 1 : 0) !== 0;
    frame.forEach((side, i) => {
      side.hidden = !shown;
      if (shown)
        place(side, rooms[index].frame[i]);
    });
  }

  // How the focus came to a room: the keys entering the building show the frame at once, a press
  // of the mouse or a finger hides it, the game's own moves (the room visited, the focus given
  // back as a box or the dialog goes) leave it as it was.
  function focusArrived(event) {
    if (!quv)
      return;
    const fromDialog = event.relatedTarget && event.relatedTarget.closest('dialog');
    quv._quv_focus_arrived(gameFocus || fromDialog ? 2 : pointing ? 1 : 0);
    showFrame();
  }

  // The building is one stop of the page's Tab order, on the room last focused (the arrows' and
  // Tab's own order move within it); the menu bar is the other, and F10 reaches it from here.
  function roomKey(event, index) {
    const down = event.type === 'keydown';
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (down)
      roomInput(true);
    const key = keys.of(event);
    const arrow = arrows.indexOf(key);
    if (down && arrow >= 0) {
      event.preventDefault();
      cells[rooms[index].neighbours[arrow]].focus();
    } else if (down && key === 'Tab' && plain) {
      event.preventDefault();
      cells[event.shiftKey ? rooms[index].previous : rooms[index].next].focus();
    } else if (key === 'Enter' || key === 'Space') {
      // The key's own activation is stopped, or it would press OK in the box the visit opens.
      event.preventDefault();
      if (keys.pressed(event, cells[index]))
        visit(index);
    }
  }

  // The window's markup came with the page, written from the same description at 1:1 (with its
  // captions, names, colours and tab order); the script takes it over as it is.
  function build(screen) {
    win.setAttribute('aria-label', screen.caption);
    const control = name => client.querySelector(`[data-control="${name}"]`);
    facade = control(screen.facade.control);
    frame = [...client.querySelectorAll('.frame')];

    for (const room of screen.rooms) {
      const cell = control(room.control);
      const index = room.index;
      cell.addEventListener('click', () => visit(index));
      cell.addEventListener('mousedown', () => roomInput(false));
      cell.addEventListener('keydown', event => roomKey(event, index));
      cell.addEventListener('keyup', event => roomKey(event, index));
      cell.addEventListener('focus', event => {
        for (const other of cells)
          other.tabIndex = other === cell ? 0 : -1;
        focusArrived(event);
      });
      cell.tabIndex = room === screen.rooms[0] ? 0 : -1;
      cells[index] = cell;
    }
    lay(screen);
    client.addEventListener('focusin', showFrame);
    client.addEventListener('focusout', showFrame);
    for (const [type, on] of [['mousedown', true], ['mouseup', false], ['keydown', false]])
      document.addEventListener(type, () => { pointing = on; }, true);

    // The menu bar came with the page too; it takes its keys, taps and commands.
    menuBar = new QuvMenuBar(document.getElementById('menu-bar'), keys,
                             (bar, item) => quv._quv_command_at(bar, item),
                             command => act('quv_choose', command));
    question = new QuvQuestion(screen.dialog, answer, keys);
    new QuvModal(waiting);
    box.template.querySelector('#box-ok').textContent = screen.ok;
    document.getElementById('ended-text').textContent = screen.ended.text;
    document.getElementById('again').textContent = screen.ended.restart;
  }

  // Every place of the window at the description's dpi, and its fonts and chrome to match.
  function lay(screen) {
    document.documentElement.style.setProperty('--scale', screen.scale);
    place(client, [0, 0, ...screen.client]);
    place(facade, screen.facade.place);
    for (const room of screen.rooms) {
      place(cells[room.index], room.place);
      rooms[room.index] = room;
    }
    // A dialog open as the screen turns is laid out again at the window's new size.
    if (question && question.shown)
      question.place(dialogLayout());
    showFrame();
  }

  // The program has ended: its window goes, nothing of it answers any more, and the page offers a
  // fresh program (no mission, no high score).
  function end() {
    quv = null;
    retire(question.dialog, () => question.dialog.remove());
    document.getElementById('ended').hidden = false;
    document.getElementById('again').focus();
    win.remove();
  }
  document.getElementById('again').addEventListener('click', () => location.reload());

  createQuv({page}).then(module => {
    quv = module;
    const screen = dpi => JSON.parse(module.UTF8ToString(module._quv_screen(dpi)));
    // Built at the first fit, laid out again at every other.
    const fit = new QuvFit(win, client, module._quv_fit,
                           dpi => (menuBar ? lay : build)(screen(dpi)));
    fit.fit();
    win.dataset.ready = '';
    // What the player did to the window before now, played in its order.
    quvHeld.release();
    performance.mark('quv-running');
    // After one visit the game plays with the network gone, and installs as an app. Every start,
    // and every return of the page into view (an installed app may stay open for days), looks for
    // a new build, which is fetched in the background and taken when the game next starts with no
    // window of the old build open: never by reloading a running game, which would lose its
    // high score.
    if ('serviceWorker' in navigator)
      navigator.serviceWorker.register('sw.js').then(kept => {
        const look = () => kept.update().catch(() => {});
        look();
        document.addEventListener('visibilitychange', () => document.hidden || look());
      }).catch(() => {});
  });
})();
