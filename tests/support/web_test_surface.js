// What the web backend's test surface reads of the page (web_test_surface.cpp): the elements the
// page's window system made, measured as the browser laid them out, in screen-area pixels.
var tesselSurface = (function () {
  'use strict';

  function win(handle) { return tesselScreen.windows.get(handle); }

  function screenBox(e) {
    const root = tesselScreen.root.getBoundingClientRect();
    const r = e.getBoundingClientRect();
    const s = tesselScreen.scale;
    return [Math.round((r.left - root.left) / s), Math.round((r.top - root.top) / s),
            Math.round(r.width / s), Math.round(r.height / s)];
  }

  // The pixel at the centre of the box, as the browser's viewport counts it.
  function viewportCentre(box) {
    const root = tesselScreen.root.getBoundingClientRect();
    const s = tesselScreen.scale;
    return [Math.floor(root.left + (box[0] + Math.floor((box[2] - 1) / 2)) * s),
            Math.floor(root.top + (box[1] + Math.floor((box[3] - 1) / 2)) * s)];
  }

  function shown(w) { return w && !w.element.hidden && w.element.isConnected; }

  function controlText(c) {
    if (c.spec.kind === 'button') return c.element.querySelector('.tessel-button-text').textContent;
    return c.spec.kind === 'label' ? c.element.textContent : '';
  }

  return {
    frame(handle) { const w = win(handle); return shown(w) ? screenBox(w.element) : [0, 0, 0, 0]; },
    client(handle) { const w = win(handle); return shown(w) ? screenBox(w.client) : [0, 0, 0, 0]; },
    controlRect(handle, id) {
      const c = tesselScreen.control(handle, id);
      if (!c) return [0, 0, 0, 0];
      const e = c.element;
      return [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];
    },
    visible(handle) { return shown(win(handle)); },
    enabled(handle) { const w = win(handle); return !!w && !w.element.inert; },
    active(handle) {
      const w = win(handle);
      return !!w && tesselScreen.active === w && w.element.contains(document.activeElement) &&
          document.hasFocus();
    },
    caption(handle) { const w = win(handle); return w ? w.caption.textContent : ''; },
    controlCaption(handle, id) {
      const c = tesselScreen.control(handle, id);
      return c ? controlText(c) : '';
    },
    hint(handle, id) {
      const c = tesselScreen.control(handle, id);
      return c && c.element.dataset.hint ? c.element.dataset.hint : '';
    },
    shownHint() {
      const e = tesselScreen.hint.element;
      return e.hidden ? '' : e.textContent;
    },
    // An inactive window's focus is the control that gets it back when the window is active.
    focused(handle) {
      const w = win(handle);
      if (!w) return 0;
      const e = tesselScreen.active === w ? document.activeElement : w.savedFocus;
      return e && e.isConnected && w.element.contains(e) && e.dataset.control ?
          Number(e.dataset.control) : 0;
    },
    arrowEverywhere(handle) {
      const w = win(handle);
      if (!w) return false;
      const elements = [w.client].concat([...w.controls.values()].map((c) => c.element));
      return elements.every((e) => getComputedStyle(e).cursor === 'default');
    },
    controlCentre(handle, id) {
      const c = tesselScreen.control(handle, id);
      return c && shown(win(handle)) ? viewportCentre(screenBox(c.element)) : null;
    },
    closeBoxCentre(handle) {
      const w = win(handle);
      return shown(w) ? viewportCentre(screenBox(w.closeBox)) : null;
    },
    // Where a user takes the title bar: left of its middle, clear of the caption's end.
    titleGrip(handle) {
      const w = win(handle);
      if (!shown(w)) return null;
      const centre = viewportCentre(screenBox(w.title));
      return [centre[0] - 20, centre[1]];
    },
    // The window is made ready for keys, as a window system activates the window a user types
    // into; one that takes no input gets none.
    takeKeys(handle) {
      const w = win(handle);
      if (!shown(w) || w.element.inert) return false;
      if (tesselScreen.active !== w) tesselScreen.activate(w);
      return true;
    },
    requestClose(handle) { tesselScreen.requestClose(handle); },
    setSystemColour(index, css) {
      const root = tesselScreen.root;
      if (css) {
        root.style.setProperty('--system-colour-' + index, css);
      } else {
        root.style.removeProperty('--system-colour-' + index);
      }
    },
    boxTexts() {
      return tesselScreen.boxes.slice().reverse().map(
          (box) => box.client.querySelector('.tessel-box-text').textContent);
    },
    frontBoxOk() {
      const boxes = tesselScreen.boxes;
      return boxes.length ? viewportCentre(screenBox(boxes[boxes.length - 1].ok)) : null;
    },
    // The browser's screenshot, taken with the window in front of all others, decoded, and
    // the box's part of it as 0xAARRGGBB.
    async shoot(handle, x, y, width, height) {
      const e = win(handle).element;
      const before = e.style.zIndex;
      e.style.zIndex = 2999999;
      let png;
      try {
        png = await Module['driver'].request({kind: 'screenshot'});
      } finally {
        e.style.zIndex = before;
      }
      const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], {type: 'image/png'}),
                                             {colorSpaceConversion: 'none'});
      const g = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      g.drawImage(bitmap, 0, 0);
      const root = tesselScreen.root.getBoundingClientRect();
      const rgba = g.getImageData(root.left + x, root.top + y, width, height).data;
      const argb = new Int32Array(width * height);
      for (let i = 0; i < argb.length; ++i) {
        argb[i] = 0xFF000000 | rgba[4 * i] << 16 | rgba[4 * i + 1] << 8 | rgba[4 * i + 2];
      }
      return argb;
    },
  };
})();

// A text for WebAssembly, in memory it frees.
function tesselSurfaceText(text) {
  const size = lengthBytesUTF8(text) + 1;
  const address = _malloc(size);
  stringToUTF8(text, address, size);
  return address;
}
