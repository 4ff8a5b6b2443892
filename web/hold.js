// The window takes the player's input from the moment the page is parsed, though the module may
// still be on its way: each press, click and key aimed at the window is held, with whatever the
// browser would have done with it, and page.js plays them to the game in their order as it takes
// the window over (quvHeld.release). Written into the page itself, so nothing is waited for.
(() => {
  'use strict';
  const win = document.getElementById('window');
  const types = ['mousedown', 'mouseup', 'click', 'keydown', 'keyup'];
  const held = [];
  function hold(event) {
    if (!win.contains(event.target))
      return;
    event.preventDefault();
    event.stopImmediatePropagation();
    held.push(event);
  }
  for (const type of types)
    addEventListener(type, hold, true);
  window.quvHeld = {
    // Stops holding, and plays each held input to its element as the browser would have: the
    // page's handlers first, then, for a press none of them kept, the focus the press gives.
    release() {
      for (const type of types)
        removeEventListener(type, hold, true);
      for (const event of held.splice(0)) {
        const again = new event.constructor(event.type, event);
        const kept = !event.target.dispatchEvent(again);
        const focusable = event.target.closest('button, [tabindex]');
        if (event.type === 'mousedown' && !kept && focusable)
          focusable.focus();
      }
    },
  };
  performance.mark('quv-ready');
  // The module (quv.js, with the page's script, and the code it fetches, quv.wasm) is asked for
  // once the building is on the screen, both at once, and the app's manifest with them: fetched
  // and read any sooner, they take the processor from the page's parsing and first frame. Where the browser cannot say when
  // that is, after the first frame is drawn; out of sight, at once (a hidden page paints
  // nothing); and in any case within a second.
  const element = (name, properties) => Object.assign(document.createElement(name), properties);
  let asked = false;
  function load() {
    if (asked)
      return;
    asked = true;
    document.head.append(
        element('link', {rel: 'preload', href: 'quv.wasm', as: 'fetch', type: 'application/wasm',
                         crossOrigin: 'anonymous'}),
        element('script', {src: 'quv.js'}),
        element('link', {rel: 'manifest', href: 'manifest.json'}));
  }
  setTimeout(load, 1000);
  if (document.hidden)
    load();
  else if (((window.PerformanceObserver || {}).supportedEntryTypes || []).includes('paint'))
    new PerformanceObserver((painted, observer) => {
      observer.disconnect();
      setTimeout(load);
    }).observe({type: 'paint', buffered: true});
  else
    requestAnimationFrame(() => setTimeout(load));
})();
