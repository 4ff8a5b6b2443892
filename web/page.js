// The page: takes over the game's window, which came with the page at 1:1, lays it out as the
// module describes it at the dpi that fits the screen, and hands every input to the game, one call
// at a time.
(() => {
  'use strict';

  const win = document.getElementById('window');
  const client = document.getElementById('client');
  const box = new QuvBox();
  // The arrow keys, in the order of each room's neighbours in the description.
  const arrows = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'];

  let quv = null;   // the module; null once the game has ended
  let busy = false; // a call into the game runs, perhaps waiting on a box
  let rooms = [];   // the description's rooms, by index
  let cells = [];   // their buttons, by index
  let frame = [];   // the four sides of the focus frame
  let facade = null;
  let lastVisited = -1;
  let spaceOn = -1; // the room a Space went down on: it visits when the key comes up
  let menuBar = null;
  let question = null;

  // The page's side of the module's calls (web/page_*.cpp).
  const page = {
    setCell(index, colour) { cells[index].style.backgroundColor = colour; },
    setBackground(colour) { client.style.backgroundColor = colour; },
    setEnabled(enabled) {
      win.inert = !enabled;
      if (enabled) {
        question.close();
        if (lastVisited >= 0)
          cells[lastVisited].focus();
      }
    },
    measureDialog() { return question.measure(); },
    showDialog(layout) { question.open(layout); },
    showBox(title, text) { return box.show(title, text); },
    end,
  };

  // The one way into the game: a second action while one runs (a box waits) is dropped, so no
  // two calls ever interleave in the module. Settles with the call's result, or null if dropped.
  async function act(name, argument) {
    if (!quv || busy)
      return null;
    busy = true;
    win.setAttribute('aria-busy', 'true');
    let result;
    try {
      result = await quv.ccall(name, 'number', ['number'], [argument], {async: true});
    } finally {
      busy = false;
      win.removeAttribute('aria-busy');
    }
    if (quv) {
      const description = quv.UTF8ToString(quv._quv_description());
      if (description)
        win.setAttribute('aria-description', description);
      else
        win.removeAttribute('aria-description');
      showFrame();
    }
    return result;
  }

  async function visit(index) {
    // A room that would not act now (a box or the dialog waits) is not the last one visited.
    if (!quv || busy || !quv._quv_ready())
      return;
    lastVisited = index;
    await act('quv_visit', index);
    // Once the boxes have closed the player goes on from the room just visited.
    if (quv && quv._quv_ready())
      cells[index].focus();
  }

  async function answer(yes) {
    await act('quv_answer', yes ? 1 : 0);
  }

  // Which the player used last on a room, the keys or the mouse, decides whether the frame shows.
  function roomInput(keyboard) {
    if (!quv || busy)
      return;
    quv._quv_room_input(keyboard ? 1 : 0);
    showFrame();
  }

  function showFrame() {
    if (!quv || busy)
      return;
    const index = cells.indexOf(document.activeElement);
    const shown = quv._quv_frame_shown(index >= 0 ? 1 : 0) !== 0;
    frame.forEach((side, i) => {
      side.hidden = !shown;
      if (shown)
        place(side, rooms[index].frame[i]);
    });
  }

  function roomKey(event, index) {
    roomInput(true);
    const arrow = arrows.indexOf(event.key);
    if (arrow >= 0) {
      event.preventDefault();
      cells[rooms[index].neighbours[arrow]].focus();
    } else if (event.key === 'Enter') {
      // One visit per press: a held key must not run through the suspect's five chances. The
      // key's own activation is stopped too, or it would press OK in the box it opens.
      event.preventDefault();
      if (!event.repeat)
        visit(index);
    } else if (event.key === ' ') {
      event.preventDefault();
      if (!event.repeat)
        spaceOn = index;
    }
  }

  // The window's markup came with the page, written from the same description at 1:1 (with its
  // captions, names, colours and tab order); the script takes it over as it is.
  function build(screen) {
    const control = name => client.querySelector(`[data-control="${name}"]`);
    facade = control(screen.facade.control);
    frame = [...client.querySelectorAll('.frame')];

    for (const room of screen.rooms) {
      const cell = control(room.control);
      const index = room.index;
      cell.addEventListener('click', () => visit(index));
      cell.addEventListener('mousedown', () => roomInput(false));
      cell.addEventListener('keydown', event => roomKey(event, index));
      cell.addEventListener('keyup', event => {
        if (event.key === ' ' && spaceOn === index) {
          event.preventDefault();
          spaceOn = -1;
          visit(index);
        }
      });
      cells[index] = cell;
    }
    lay(screen);
    client.addEventListener('focusin', showFrame);
    client.addEventListener('focusout', showFrame);

    const firstRoom = () => cells[screen.rooms[0].index];
    // The menu bar builds the same items again, with their keys and taps.
    const bar = document.getElementById('menu-bar');
    bar.replaceChildren();
    menuBar = new QuvMenuBar(bar, screen.menu,
                             command => act('quv_choose', command),
                             () => (lastVisited >= 0 ? cells[lastVisited] : firstRoom()));
    question = new QuvQuestion(screen.dialog, answer);
    document.addEventListener('keydown', event => {
      const plain = !event.shiftKey && !event.ctrlKey && !event.altKey && !event.metaKey;
      if (event.key === 'F10' && plain) {
        event.preventDefault();
        if (quv && !busy && !win.inert)
          menuBar.toggle();
      }
    });
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
    showFrame();
  }

  // The program has ended: its window goes, nothing of it answers any more, and the page offers a
  // fresh program (no mission, no high score).
  function end() {
    quv = null;
    question.close();
    win.remove();
    document.getElementById('question').remove();
    const ended = document.getElementById('ended');
    ended.hidden = false;
    document.getElementById('again').focus();
  }
  document.getElementById('again').addEventListener('click', () => location.reload());

  createQuv({page}).then(module => {
    const screen = dpi => JSON.parse(module.UTF8ToString(module._quv_screen(dpi)));
    // Built at the first fit, laid out again at every other.
    const fit = new QuvFit(win, client, module._quv_fit,
                           dpi => (menuBar ? lay : build)(screen(dpi)));
    fit.fit();
    quv = module;
    win.inert = false;
    win.dataset.ready = '';
    performance.mark('quv-ready');
    // After one visit the game plays with the network gone, and installs as an app. Every start
    // looks for a new build, which is fetched in the background and taken at the next start.
    if ('serviceWorker' in navigator)
      navigator.serviceWorker.register('sw.js').then(kept => kept.update()).catch(() => {});
  });
})();
