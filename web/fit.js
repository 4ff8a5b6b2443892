// QuvFit: keeps the game's window whole on the screen and as large as the module's rule lets it
// be (quv_fit): the page only measures the viewport, less the safe areas, and the window's chrome
// at 1:1, and has the module lay the window out again at the dpi that rule picks, whenever the
// screen turns, the window resizes or a touch screen comes or goes.
class QuvFit {
  // fitting(width, height, chromeWidth, chromeHeight, touch) gives the dpi; lay(dpi) lays the
  // window out at it. The window must be at 1:1 when this is made.
  constructor(win, client, fitting, lay) {
    this.win = win;
    this.client = client;
    this.fitting = fitting;
    this.lay = lay;
    this.dpi = 0;
    this.touch = matchMedia('(pointer: coarse)');
    const outer = win.getBoundingClientRect(), inner = client.getBoundingClientRect();
    this.chrome = [Math.ceil(outer.width - inner.width), Math.ceil(outer.height - inner.height)];
    const again = () => this.fit();
    addEventListener('resize', again);
    this.touch.addEventListener('change', again);
  }

  fit() {
    if (!this.win.isConnected)
      return;
    const root = document.documentElement, body = getComputedStyle(document.body);
    const width = root.clientWidth - parseFloat(body.paddingLeft) - parseFloat(body.paddingRight);
    const height = root.clientHeight - parseFloat(body.paddingTop) -
                   parseFloat(body.paddingBottom);
    const dpi = this.fitting(Math.floor(width), Math.floor(height), ...this.chrome,
                             this.touch.matches ? 1 : 0);
    if (dpi !== this.dpi) {
      this.dpi = dpi;
      this.win.dataset.dpi = dpi;
      this.lay(dpi);
    }
    this.align();
  }

  // Centred, the window may fall between pixels; moved by less than one, the client area starts
  // on a whole pixel, so that every edge of the building does.
  align() {
    const style = this.win.style;
    style.left = style.top = '0';
    const place = this.client.getBoundingClientRect();
    style.left = `${Math.round(place.left) - place.left}px`;
    style.top = `${Math.round(place.top) - place.top}px`;
  }
}
