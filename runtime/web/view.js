// What of the screen area the browser's view shows, and how large. The windows keep their
// layout pixel for pixel; the view only scales the whole screen area and moves across it.
//
// Scale: the program's first window (the start window, as wide as the block the die windows
// make with it) fills the view's width, or its height where that is tighter; never more than
// the screen area's own pixels. On a phone the block so fills the width; on a desktop the
// screen area shows 1:1.
// Place: the view follows the windows. After a window shows, goes, is let go after a drag or
// takes the focus, and after the view changes size (a phone turned), it moves as little as it
// must to hold every shown window, or, where they do not fit together, the active one. A drag
// on the empty screen area moves the view by hand.

class TesselView {
  // windows(): the shown windows' outer boxes [left, top, width, height] as `frames`, and the
  // active one's as `active` (or null).
  constructor(root, width, height, windows, signal) {
    this.root = root;
    this.windows = windows;
    this.size = [width, height];  // the screen area's, in its own pixels
    this.anchor = null;           // the first window's outer size
    this.scale = 1;
    this.offset = [0, 0];         // the screen-area point at the view's top-left corner
    root.style.transformOrigin = '0 0';
    addEventListener('resize', () => this.fit(), {signal: signal});
  }

  // The view's width and height in screen-area pixels.
  extent() { return [innerWidth / this.scale, innerHeight / this.scale]; }

  setAnchor(width, height) {
    if (this.anchor) return;
    this.anchor = [width, height];
    this.fit();
  }

  fit() {
    const anchor = this.anchor || [0, 0];
    this.scale = Math.min(1, innerWidth / Math.max(1, anchor[0]),
                          innerHeight / Math.max(1, anchor[1]));
    this.apply();
    this.follow();
  }

  follow() {
    const {frames, active} = this.windows();
    if (!frames.length) return;
    const extent = this.extent();
    const all = frames.reduce((u, f) => [Math.min(u[0], f[0]), Math.min(u[1], f[1]),
                                         Math.max(u[2], f[0] + f[2]), Math.max(u[3], f[1] + f[3])],
                              [Infinity, Infinity, -Infinity, -Infinity]);
    const fits = all[2] - all[0] <= extent[0] && all[3] - all[1] <= extent[1];
    const target = fits || !active ? all : [active[0], active[1], active[0] + active[2],
                                            active[1] + active[3]];
    const next = [0, 1].map((axis) => {
      const low = target[axis];
      const high = target[axis + 2];
      let at = this.offset[axis];
      if (high > at + extent[axis]) at = high - extent[axis];
      if (low < at) at = low;
      return at;
    });
    this.moveTo(next);
  }

  panBy(dx, dy) {
    this.moveTo([this.offset[0] - dx / this.scale, this.offset[1] - dy / this.scale]);
  }

  // Within the screen area: the view never shows what lies beyond its edges, where it is
  // smaller than the screen area.
  moveTo(point) {
    const extent = this.extent();
    this.offset = [0, 1].map((axis) => Math.round(Math.min(
        Math.max(point[axis], 0), Math.max(0, this.size[axis] - extent[axis]))));
    this.apply();
  }

  apply() {
    const s = this.scale;
    const shift = this.offset[0] || this.offset[1] ?
        'translate(' + -this.offset[0] * s + 'px, ' + -this.offset[1] * s + 'px) ' : '';
    this.root.style.transform = s < 1 || shift ? shift + 'scale(' + s + ')' : '';
    // The page's notices stand where the screen area is drawn, at its size.
    const drawn = [0, 1].map((axis) => Math.min(
        (this.size[axis] - this.offset[axis]) * s, axis ? innerHeight : innerWidth));
    const style = document.documentElement.style;
    style.setProperty('--tessel-view-width', drawn[0] + 'px');
    style.setProperty('--tessel-view-height', drawn[1] + 'px');
  }

  // The visible part of the screen area, [left, top, right, bottom] in its pixels.
  visible() {
    const extent = this.extent();
    return [this.offset[0], this.offset[1],
            Math.min(this.size[0], this.offset[0] + extent[0]),
            Math.min(this.size[1], this.offset[1] + extent[1])];
  }
}
