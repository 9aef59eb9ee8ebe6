// What the web backend's test surface reads of the page (web_test_surface.cpp), from the page's
// elements alone as the browser laid them out, in screen-area pixels; and the test page's own
// queue, which takes the tests' posted tasks beside the user's input (web_test_backend.cpp).

// The page's queue with the tests' tasks: a task comes due after its delay and queues behind
// what is there; the user's input can be taken ahead of the tasks. Made once the page's script
// has run, whatever the order the scripts are linked in.
function tesselTestQueueOf(Queue) {
  return new class extends Queue {
    constructor() {
      super();
      this.timers = new Set();
    }

    postTask(type, task, delayMs) {
      const timer = setTimeout(() => {
        this.timers.delete(timer);
        this.push({type: type, window: 0, control: task, task: true});
      }, delayMs);
      this.timers.add(timer);
    }

    takeInput() {
      const i = this.events.findIndex((event) => !event.task);
      return i < 0 ? null : this.events.splice(i, 1)[0];
    }

    clear() {
      for (const timer of this.timers) clearTimeout(timer);
      this.timers.clear();
      super.clear();
    }
  }();
}

Module['preRun'] = [].concat(Module['preRun'] || [], [() => {
  tesselPage.events = tesselTestQueueOf(EventQueue);
}]);

function tesselTestQueue() {
  return tesselPage.events;
}

var tesselSurface = (function () {
  'use strict';

  const screen = () => Module['screen'];
  const scale = () => screen().getBoundingClientRect().width / screen().offsetWidth;
  const win = (handle) => document.getElementById('tessel-' + handle);
  const control = (handle, id) => document.getElementById('tessel-' + handle + '-' + id);

  function screenBox(e) {
    const root = screen().getBoundingClientRect();
    const r = e.getBoundingClientRect();
    const s = scale();
    return [Math.round((r.left - root.left) / s), Math.round((r.top - root.top) / s),
            Math.round(r.width / s), Math.round(r.height / s)];
  }

  // The pixel at the centre of the box, as the browser's viewport counts it.
  function viewportCentre(box) {
    const root = screen().getBoundingClientRect();
    const s = scale();
    return [Math.floor(root.left + (box[0] + Math.floor((box[2] - 1) / 2)) * s),
            Math.floor(root.top + (box[1] + Math.floor((box[3] - 1) / 2)) * s)];
  }

  function shown(w) { return !!w && !w.hidden && w.isConnected; }

  function controlText(e) {
    if (e.classList.contains('tessel-button')) {
      return e.querySelector('.tessel-button-text').textContent;
    }
    return e.classList.contains('tessel-label') ? e.textContent : '';
  }

  // The message boxes, front one first.
  function boxes() {
    return [...screen().querySelectorAll('[role=alertdialog]')]
        .sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex));
  }

  return {
    frame(handle) { const w = win(handle); return shown(w) ? screenBox(w) : [0, 0, 0, 0]; },
    client(handle) {
      const w = win(handle);
      return shown(w) ? screenBox(w.querySelector('.tessel-client')) : [0, 0, 0, 0];
    },
    controlRect(handle, id) {
      const e = control(handle, id);
      return e ? [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight] : [0, 0, 0, 0];
    },
    visible(handle) { return shown(win(handle)); },
    enabled(handle) { const w = win(handle); return !!w && !w.inert; },
    active(handle) {
      const w = win(handle);
      return !!w && w.classList.contains('tessel-active') && w.contains(document.activeElement) &&
          document.hasFocus();
    },
    caption(handle) { const w = win(handle); return w ? w.getAttribute('aria-label') : ''; },
    controlCaption(handle, id) {
      const e = control(handle, id);
      return e ? controlText(e) : '';
    },
    hint(handle, id) {
      const e = control(handle, id);
      return e && e.dataset.hint ? e.dataset.hint : '';
    },
    shownHint() {
      const e = screen().querySelector('.tessel-hint');
      return e.hidden ? '' : e.textContent;
    },
    // An inactive window's focus is the control that gets it back when the window is active.
    focused(handle) {
      const w = win(handle);
      if (!w) return 0;
      if (w.classList.contains('tessel-active')) {
        const e = document.activeElement;
        return e && w.contains(e) && e.dataset.control ? Number(e.dataset.control) : 0;
      }
      return Number(w.dataset.focus || 0);
    },
    arrowEverywhere(handle) {
      const w = win(handle);
      if (!w) return false;
      const elements = [w.querySelector('.tessel-client'),
                        ...w.querySelectorAll('.tessel-control')];
      return elements.every((e) => getComputedStyle(e).cursor === 'default');
    },
    controlCentre(handle, id) {
      const e = control(handle, id);
      return e && shown(win(handle)) ? viewportCentre(screenBox(e)) : null;
    },
    closeBoxCentre(handle) {
      const w = win(handle);
      return shown(w) ? viewportCentre(screenBox(w.querySelector('.tessel-close-box'))) : null;
    },
    // Where a user takes the title bar: left of its middle, clear of the caption's end.
    titleGrip(handle) {
      const w = win(handle);
      if (!shown(w)) return null;
      const centre = viewportCentre(screenBox(w.querySelector('.tessel-title')));
      return [centre[0] - 20, centre[1]];
    },
    // The window is made ready for keys as a user makes it: pressed where it has no button,
    // which activates it; one that takes no input gets none.
    takeKeys(handle) {
      const w = win(handle);
      if (!shown(w) || w.inert) return false;
      if (!w.classList.contains('tessel-active')) {
        w.querySelector('.tessel-client').dispatchEvent(
            new MouseEvent('mousedown', {bubbles: true, cancelable: true}));
      }
      return true;
    },
    // Alt+F4, which on the page is the window system's own request to close.
    requestClose(handle) {
      const w = win(handle);
      if (w) {
        w.dispatchEvent(new KeyboardEvent('keydown', {key: 'F4', altKey: true, bubbles: true}));
      }
    },
    setSystemColour(index, css) {
      const name = kSystemColourVariable + index;
      if (css) {
        screen().style.setProperty(name, css);
      } else {
        screen().style.removeProperty(name);
      }
    },
    boxTexts() { return boxes().map((box) => box.querySelector('.tessel-label').textContent); },
    frontBoxOk() {
      const box = boxes()[0];
      return box ? viewportCentre(screenBox(box.querySelector('button'))) : null;
    },
    // The browser's screenshot, taken with the window in front of all others, decoded, and
    // the box's part of it as 0xAARRGGBB.
    async shoot(handle, x, y, width, height) {
      const e = win(handle);
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
      const root = screen().getBoundingClientRect();
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
