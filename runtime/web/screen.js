// The page's window system, linked ahead of the program's module with its parts (fonts.js,
// tool_frame.js, event_queue.js, view.js): the program's windows as elements on a screen area of
// 1024 × 768 CSS pixels, each with the fixed tool-window frame the Qt backend draws (3-pixel
// border, title bar with the caption, close box), moved by its title bar and raised by a click,
// by mouse or finger; the hints, the keyboard's focus and the message boxes; what the user does
// goes to the queue the program takes it from (page.cpp). It applies what the runtime settled
// and decides no layout of its own.

var tesselScreen = (function () {
  'use strict';

  const kScreenWidth = 1024;
  const kScreenHeight = 768;
  const kHintDelayMs = 700;
  // A hint that a long press brought up stays this long after the finger is lifted.
  const kTouchHintMs = 1500;
  // How much of a title bar a drag leaves in view at the left and right edges.
  const kTitleGrip = 32;
  // Stacking layers: windows, then modal windows, then message boxes, then the hint over all.
  const kWindowLayer = 0;
  const kModalLayer = 1000000;
  const kBoxLayer = 2000000;
  const kHintLayer = 3000000;

  function element(tag, className, parent) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (parent) parent.append(e);
    return e;
  }

  function place(e, rect) {
    e.style.left = rect[0] + 'px';
    e.style.top = rect[1] + 'px';
    e.style.width = rect[2] + 'px';
    e.style.height = rect[3] + 'px';
  }

  class Screen {
    constructor() {
      this.root = null;
      this.windows = new Map();  // handle → window
      this.boxes = [];           // open message boxes, front one last
      this.events = new EventQueue();
      this.active = null;
      this.pendingActivation = null;
      this.stacked = 0;
      this.boxCount = 0;
      this.iconSet = false;
      this.hint = {element: null, target: null, timer: 0, pointer: [0, 0], pressed: null,
                   byPress: false};
      this.drag = null;
      this.pan = null;
      this.view = null;
      this.listening = null;
      this.measurer = null;
      this.lineHeights = new Map();
    }

    get scale() { return this.view ? this.view.scale : 1; }

    // The screen area: the element the page gives, shown through the view (view.js). Everything
    // it listens to goes with the program (detach).
    attach(root) {
      this.root = root;
      this.listening = new AbortController();
      const signal = this.listening.signal;
      const listen = (type, handler, capture) =>
          root.addEventListener(type, handler, {capture: !!capture, signal: signal});
      root.classList.add('tessel-screen');
      this.hint.element = element('div', 'tessel-hint', root);
      this.hint.element.hidden = true;
      this.hint.element.style.zIndex = kHintLayer;
      this.measurer = element('span', 'tessel-measurer', root);
      listen('mousedown', (e) => this.onMouseDown(e), true);
      listen('click', (e) => this.onLongPressClick(e), true);
      listen('click', (e) => this.onClick(e));
      listen('contextmenu', (e) => e.preventDefault());
      listen('keydown', (e) => this.onKeyDown(e));
      listen('focusin', (e) => this.onFocusIn(e));
      listen('pointerover', (e) => this.onPointerOver(e));
      listen('pointermove', (e) => this.onPointerMove(e));
      listen('pointerdown', (e) => this.onPointerDown(e), true);
      listen('pointerup', (e) => this.onPointerUp(e));
      listen('pointercancel', (e) => this.onPointerUp(e));
      listen('pointerleave', (e) => {
        if (e.pointerType !== 'touch') this.hideHint(false);
      });
      this.attachPan(listen);
      this.view = new TesselView(root, kScreenWidth, kScreenHeight, () => this.framesShown(),
                                 signal);
      this.view.fit();
    }

    // The program has ended: nothing of it listens or waits any longer.
    detach() {
      if (this.listening) this.listening.abort();
      this.listening = null;
      this.hideHint(false);
      this.events.clear();
    }

    framesShown() {
      const box = (win) => [win.element.offsetLeft, win.element.offsetTop,
                            win.element.offsetWidth, win.element.offsetHeight];
      const shown = [...this.windows.values()].filter((win) => !win.element.hidden)
          .concat(this.boxes);
      return {frames: shown.map(box), active: this.active ? box(this.active) : null};
    }

    // Where the pointer is, in the screen area's own pixels.
    screenPoint(e) {
      const r = this.root.getBoundingClientRect();
      return [(e.clientX - r.left) / this.scale, (e.clientY - r.top) / this.scale];
    }

    screenRect() { return [0, 0, kScreenWidth, kScreenHeight]; }

    reset() {
      for (const win of this.windows.values()) win.element.remove();
      for (const box of this.boxes) box.element.remove();
      this.windows.clear();
      this.boxes = [];
      this.events.clear();
      this.active = null;
      this.pendingActivation = null;
      this.drag = null;
      this.hideHint(false);
    }

    // A frame of the tool window: border, title bar with caption, and the client area inside.
    makeFrame(caption, frame, titleFont) {
      const win = {};
      win.element = element('div', 'tessel-window');
      win.element.tabIndex = -1;
      win.element.hidden = true;
      win.title = element('div', 'tessel-title', win.element);
      win.title.setAttribute('aria-hidden', 'true');
      place(win.title, [frame[0], frame[0], 0, frame[1] - frame[0]]);
      win.title.style.width = '';
      win.title.style.right = frame[2] + 'px';
      win.shade = element('canvas', 'tessel-title-shade', win.title);
      win.shade.height = 1;
      win.caption = element('span', 'tessel-caption', win.title);
      win.caption.textContent = caption;
      win.caption.setAttribute('elementtiming', 'caption');  // when the browser first drew it
      win.caption.style.right = (kCloseBoxWidth + 4) + 'px';
      win.caption.style.lineHeight = (frame[1] - frame[0]) + 'px';
      applyFont(win.caption, titleFont);
      win.client = element('div', 'tessel-client', win.element);
      win.client.style.left = frame[0] + 'px';
      win.client.style.top = frame[1] + 'px';
      win.frame = frame;
      this.attachDrag(win);
      return win;
    }

    createWindow(handle, spec) {
      const win = this.makeFrame(spec.caption, spec.frame, spec.titleFont);
      win.handle = handle;
      win.spec = spec;
      win.controls = new Map();
      win.savedFocus = null;
      win.shownBefore = false;
      win.modal = false;
      win.owner = 0;
      win.element.id = 'tessel-' + handle;
      win.element.setAttribute('role', 'region');
      win.element.setAttribute('aria-label', spec.caption);
      this.setOuterSize(win, spec.client);
      win.client.style.background = spec.back;
      applyFont(win.client, spec.font);
      this.addCloseBox(win, spec.closeBoxName);
      for (const c of spec.controls) this.addControl(win, c);
      spec.frontToBack.forEach((id, i) => {
        win.controls.get(id).element.style.zIndex = spec.frontToBack.length - i;
      });
      const read = spec.readingOrder.filter((id) => {
        const kind = win.controls.get(id).spec.kind;
        return kind === 'button' || kind === 'label';
      });
      win.element.setAttribute('aria-owns', read.map((id) => win.controls.get(id).element.id)
          .concat([win.closeBox.id]).join(' '));
      this.root.append(win.element);
      this.windows.set(handle, win);
    }

    setOuterSize(win, client) {
      const f = win.frame;
      win.element.style.width = (f[0] + client[0] + f[2]) + 'px';
      win.element.style.height = (f[1] + client[1] + f[3]) + 'px';
      win.client.style.width = client[0] + 'px';
      win.client.style.height = client[1] + 'px';
      win.shade.width = client[0];  // the title bar spans the client area's width
      paintTitle(win.shade, this.active === win);
    }

    addCloseBox(win, name) {
      const box = element('canvas', 'tessel-close-box', win.element);
      box.width = kCloseBoxWidth;
      box.height = kCloseBoxHeight;
      box.id = win.element.id + '-close';
      box.setAttribute('role', 'button');
      box.setAttribute('aria-label', name);
      box.style.top = (win.frame[0] + (win.frame[1] - win.frame[0] - kCloseBoxHeight) / 2) + 'px';
      box.style.right = (win.frame[2] + 2) + 'px';
      drawCloseBox(box, false);
      box.addEventListener('pointerdown', (e) => {
        if (e.button !== 0) return;
        box.setPointerCapture(e.pointerId);
        drawCloseBox(box, true);
      });
      const release = () => drawCloseBox(box, false);
      box.addEventListener('pointerup', release);
      box.addEventListener('lostpointercapture', release);
      box.addEventListener('click', () => this.requestClose(win.handle));
      win.closeBox = box;
    }

    addControl(win, c) {
      const parent = c.parent ? win.controls.get(c.parent).element : win.client;
      let e;
      switch (c.kind) {
        case 'button':
          e = element('button', 'tessel-control tessel-button', parent);
          e.type = 'button';
          e.tabIndex = c.tabStop ? 0 : -1;
          applyFont(e, c.font);
          this.setButtonCaption(e, c);
          break;
        case 'label':
          e = element('div', 'tessel-control tessel-label', parent);
          applyFont(e, c.font);
          e.textContent = c.caption;
          e.style.color = c.fore;
          if (!c.transparent) e.style.background = c.back;
          e.style.textAlign = c.align;
          e.style.whiteSpace = c.autoSize ? 'pre' : 'pre-wrap';
          e.style.lineHeight = this.lineHeight(c.font) + 'px';
          if (c.framed) e.classList.add('tessel-framed');
          e.setAttribute('aria-live', 'polite');
          break;
        case 'image':
          e = element(c.picture ? 'canvas' : 'div', 'tessel-control tessel-image', parent);
          if (c.picture) {
            e.width = c.rect[2];
            e.height = c.rect[3];
          }
          e.setAttribute('aria-hidden', 'true');
          break;
        default:
          e = element('div', 'tessel-control tessel-picture-box', parent);
          e.style.background = c.back;
          if (c.framed) e.classList.add('tessel-sunken');
          e.setAttribute('role', 'none');
      }
      e.id = win.element.id + '-' + c.id;
      e.dataset.control = c.id;
      place(e, c.rect);
      if (c.toolTip) {
        e.dataset.hint = c.toolTip;
        e.setAttribute('aria-description', c.toolTip);
      }
      win.controls.set(c.id, {element: e, spec: c});
    }

    // A caption wider than the width the runtime settled for it breaks into centred lines,
    // measured as it is drawn.
    setButtonCaption(button, c) {
      const text = element('span', 'tessel-button-text', button);
      text.textContent = c.caption;
      if (this.measureText(c.font, c.caption).width > c.wrapWidth) {
        text.style.whiteSpace = 'pre-wrap';
        text.style.maxWidth = c.wrapWidth + 'px';
      }
    }

    setPicture(handle, control, pixels) {
      const c = this.control(handle, control);
      if (!c || c.spec.kind !== 'image' || !c.spec.picture) return false;
      c.element.getContext('2d').putImageData(pixels, 0, 0);
      return true;
    }

    // The program's icon becomes the page's, where the browser lists it.
    setIcon(pixels) {
      if (this.iconSet) return;
      this.iconSet = true;
      const canvas = document.createElement('canvas');
      canvas.width = pixels.width;
      canvas.height = pixels.height;
      canvas.getContext('2d').putImageData(pixels, 0, 0);
      const link = document.querySelector('link[rel="icon"]') || element('link', '', document.head);
      link.rel = 'icon';
      link.href = canvas.toDataURL('image/png');
    }

    control(handle, id) {
      const win = this.windows.get(handle);
      return win ? win.controls.get(id) : undefined;
    }

    moveWindow(handle, left, top) {
      const win = this.windows.get(handle);
      if (!win) return false;
      win.element.style.left = left + 'px';
      win.element.style.top = top + 'px';
      return true;
    }

    // Visible and in front, and active; the first tab stop takes the focus when it first shows.
    showWindow(handle) {
      const win = this.windows.get(handle);
      if (!win) return false;
      win.element.hidden = false;
      this.raise(win);
      if (!win.shownBefore) {
        win.shownBefore = true;
        if (win.spec.tabOrder.length) win.savedFocus = this.control(handle, win.spec.tabOrder[0]).element;
      }
      this.view.setAnchor(win.element.offsetWidth, win.element.offsetHeight);
      this.activate(win);
      this.view.follow();
      return true;
    }

    makeModal(handle, owner) {
      const win = this.windows.get(handle);
      if (!win) return false;
      win.modal = true;
      win.owner = owner;
      win.element.setAttribute('role', 'dialog');
      win.element.setAttribute('aria-modal', 'true');
      return true;
    }

    // A disabled window takes no input and no focus, and keeps its look.
    setEnabled(handle, enabled) {
      const win = this.windows.get(handle);
      if (!win) return false;
      win.element.inert = !enabled;
      if (enabled && this.pendingActivation === win) {
        this.pendingActivation = null;
        this.activate(win);
      }
      return true;
    }

    // The activation passes to the window's owner, or else to the frontmost window; one that
    // takes no input yet gets it once it does.
    destroyWindow(handle) {
      const win = this.windows.get(handle);
      if (!win) return false;
      this.windows.delete(handle);
      if (this.hint.target && win.element.contains(this.hint.target)) this.hideHint(false);
      if (this.drag && this.drag.win === win) this.drag = null;
      if (this.pendingActivation === win) this.pendingActivation = null;
      const wasActive = this.active === win;
      win.element.remove();
      this.view.follow();
      if (!wasActive) return true;
      this.active = null;
      const next = this.windows.get(win.owner) || this.frontmost();
      if (!next) return true;
      if (next.element.inert) {
        this.pendingActivation = next;
      } else {
        this.activate(next);
      }
      return true;
    }

    frontmost() {
      let front = null;
      for (const win of this.windows.values()) {
        if (win.element.hidden) continue;
        if (!front || Number(win.element.style.zIndex) > Number(front.element.style.zIndex)) {
          front = win;
        }
      }
      return front;
    }

    setCaption(handle, control, text, rect) {
      const c = this.control(handle, control);
      if (!c || c.spec.kind !== 'label') return false;
      c.element.textContent = text;
      place(c.element, rect);
      return true;
    }

    // One line of text as the page draws it: the width its layout gives the text, the height
    // of the font's line.
    measureText(font, text) {
      const m = this.measurer;
      applyFont(m, font);
      m.textContent = text;
      const width = m.getBoundingClientRect().width / this.scale;
      return {width: Math.ceil(width - 1e-3), height: this.lineHeight(font)};
    }

    lineHeight(font) {
      const windows = windowsLineHeight(font);
      if (windows !== null) return windows;
      const css = cssFont(font);
      if (!this.lineHeights.has(css)) {
        const g = document.createElement('canvas').getContext('2d');
        g.font = css;
        const m = g.measureText('');
        this.lineHeights.set(css, Math.round(m.fontBoundingBoxAscent) +
            Math.round(m.fontBoundingBoxDescent));
      }
      return this.lineHeights.get(css);
    }

    raise(win) {
      const layer = win.box ? kBoxLayer : win.modal ? kModalLayer : kWindowLayer;
      win.element.style.zIndex = layer + ++this.stacked;
    }

    // The window becomes the active one: its focus goes back where it was, or to the window.
    activate(win) {
      if (!win || win.element.inert || win.element.hidden) return;
      const target = win.savedFocus && win.savedFocus.isConnected ? win.savedFocus : win.element;
      target.focus({preventScroll: true});
      this.setActive(win);
    }

    setActive(win) {
      if (this.active === win) return;
      if (this.active) {
        this.active.element.classList.remove('tessel-active');
        paintTitle(this.active.shade, false);
      }
      this.active = win;
      if (win) {
        win.element.classList.add('tessel-active');
        paintTitle(win.shade, true);
        this.view.follow();
      }
    }

    windowOf(node) {
      const e = node && node.closest ? node.closest('.tessel-window') : null;
      if (!e) return null;
      for (const win of this.windows.values()) {
        if (win.element === e) return win;
      }
      return this.boxes.find((box) => box.element === e) || null;
    }

    onFocusIn(e) {
      const win = this.windowOf(e.target);
      this.setActive(win);
      if (win && e.target !== win.element) win.savedFocus = e.target;
    }

    // A press raises the window it lands on and makes it active; only a button takes the focus
    // by it, and the screen area between the windows takes none.
    onMouseDown(e) {
      const win = this.windowOf(e.target);
      if (!win) {
        e.preventDefault();
        return;
      }
      this.raise(win);
      if (!e.target.closest('button')) {
        e.preventDefault();
        this.activate(win);
      }
    }

    onClick(e) {
      const button = e.target.closest('button');
      const win = this.windowOf(button);
      if (button && win) this.press(win, button);
    }

    press(win, button) {
      if (win.box) {
        this.dismissBox(win);
      } else {
        this.events.push(kClick, win.handle, Number(button.dataset.control), true);
      }
    }

    // The close box, Alt+F4, or the page's own request on the window's behalf.
    requestClose(handle) {
      if (this.windows.has(handle)) this.events.push(kCloseRequest, handle, 0, true);
    }

    // Tab and Shift+Tab walk the window's tab stops in the order the runtime settled, and come
    // round again; Enter presses the focused button, or the default button.
    onKeyDown(e) {
      this.hideHint(true);
      const win = this.windowOf(e.target);
      if (!win) return;
      if (e.key === 'Tab') {
        e.preventDefault();
        this.walkTabs(win, e.shiftKey ? -1 : 1);
      } else if (e.key === 'Enter') {
        e.preventDefault();
        const button = e.target.closest('button') || this.defaultButton(win);
        if (button && !e.repeat) this.press(win, button);
      } else if (e.key === 'F4' && e.altKey) {
        e.preventDefault();
        if (win.box) {
          this.dismissBox(win);
        } else {
          this.requestClose(win.handle);
        }
      } else if (e.key === 'Escape' && win.box) {
        e.preventDefault();
        this.dismissBox(win);
      }
    }

    walkTabs(win, step) {
      const stops = win.box ? [win.ok] : win.spec.tabOrder.map((id) => win.controls.get(id).element);
      if (!stops.length) return;
      const at = stops.indexOf(document.activeElement);
      const next = at < 0 ? (step > 0 ? 0 : stops.length - 1) :
                            (at + step + stops.length) % stops.length;
      stops[next].focus({preventScroll: true});
    }

    defaultButton(win) {
      if (win.box) return win.ok;
      const c = win.spec.controls.find((control) => control.defaultButton);
      return c ? win.controls.get(c.id).element : null;
    }

    // The title bar drags its window, by mouse or finger. As desktops do, the drag keeps the
    // title bar in view: never above the view's top, and a grip of it inside each other edge,
    // so that the window can always be taken again.
    attachDrag(win) {
      win.title.addEventListener('pointerdown', (e) => {
        if (e.button !== 0) return;
        win.title.setPointerCapture(e.pointerId);
        const at = this.screenPoint(e);
        this.drag = {win: win, pointer: e.pointerId,
                     grip: [at[0] - win.element.offsetLeft, at[1] - win.element.offsetTop]};
      });
      win.title.addEventListener('pointermove', (e) => {
        if (!this.drag || this.drag.win !== win || this.drag.pointer !== e.pointerId) return;
        const at = this.screenPoint(e);
        const seen = this.view.visible();
        const within = (value, low, high) => Math.min(Math.max(value, low), high);
        const left = within(Math.round(at[0]) - this.drag.grip[0],
                            seen[0] + kTitleGrip - win.element.offsetWidth, seen[2] - kTitleGrip);
        const top = within(Math.round(at[1]) - this.drag.grip[1], seen[1], seen[3] - win.frame[1]);
        win.element.style.left = left + 'px';
        win.element.style.top = top + 'px';
      });
      const end = () => {
        if (!this.drag || this.drag.win !== win) return;
        this.drag = null;
        this.view.follow();
      };
      win.title.addEventListener('pointerup', end);
      win.title.addEventListener('lostpointercapture', end);
    }

    // A drag on the empty screen area moves the view across it, where the view is smaller.
    attachPan(listen) {
      listen('pointerdown', (e) => {
        if (e.target !== this.root || e.button !== 0) return;
        this.root.setPointerCapture(e.pointerId);
        this.pan = {pointer: e.pointerId, at: [e.clientX, e.clientY]};
      });
      listen('pointermove', (e) => {
        if (!this.pan || this.pan.pointer !== e.pointerId) return;
        this.view.panBy(e.clientX - this.pan.at[0], e.clientY - this.pan.at[1]);
        this.pan.at = [e.clientX, e.clientY];
      });
      listen('lostpointercapture', () => { this.pan = null; });
    }

    // Hints show after the pointer has rested on a control that has one, in any window that
    // takes input, and go with the next press or key, or when the pointer leaves. A finger
    // cannot rest without pressing: there a long press shows the hint, and is no click.
    onPointerOver(e) {
      if (e.pointerType === 'touch') return;
      const target = e.target.closest('[data-hint]');
      if (target === this.hint.target) return;
      this.hideHint(false);
      this.hint.target = target;
      if (!target) return;
      this.hint.pointer = this.screenPoint(e);
      this.hint.timer = setTimeout(() => this.showHint(), kHintDelayMs);
    }

    onPointerDown(e) {
      this.hideHint(e.pointerType !== 'touch');
      this.hint.byPress = false;
      if (e.pointerType !== 'touch') return;
      // A finger raises and activates as a mouse button does; a tap's mouse events come only
      // after it is lifted, and a drag has none.
      const win = this.windowOf(e.target);
      if (win) {
        this.raise(win);
        if (!e.target.closest('button')) this.activate(win);
      }
      const target = e.target.closest('[data-hint]');
      if (!target || target.closest('[inert]')) return;
      this.hint.target = target;
      this.hint.pressed = {pointer: e.pointerId, at: e.timeStamp};
      this.hint.pointer = this.screenPoint(e);
      this.hint.timer = setTimeout(() => this.showHint(), kHintDelayMs);
    }

    // Whether the press was long is the events' own time, not the timer's, which a busy page
    // may run late.
    onPointerUp(e) {
      const pressed = this.hint.pressed;
      if (!pressed || pressed.pointer !== e.pointerId) return;
      this.hint.pressed = null;
      this.hint.byPress = e.timeStamp - pressed.at >= kHintDelayMs;
      if (this.hint.byPress) {
        this.hint.timer = setTimeout(() => this.hideHint(false), kTouchHintMs);
      } else {
        this.hideHint(false);
      }
    }

    // The click that ends a long press only took the hint.
    onLongPressClick(e) {
      if (!this.hint.byPress) return;
      this.hint.byPress = false;
      e.stopPropagation();
      e.preventDefault();
    }

    onPointerMove(e) {
      if (this.hint.timer && e.pointerType !== 'touch') this.hint.pointer = this.screenPoint(e);
    }

    showHint() {
      const hint = this.hint;
      hint.timer = 0;
      if (!hint.target || !hint.target.isConnected) return;
      hint.element.textContent = hint.target.dataset.hint;
      hint.element.hidden = false;
      const x = Math.min(hint.pointer[0], kScreenWidth - hint.element.offsetWidth);
      let y = hint.pointer[1] + 20;
      if (y + hint.element.offsetHeight > kScreenHeight) y = hint.pointer[1] - 4 - hint.element.offsetHeight;
      hint.element.style.left = Math.max(0, Math.round(x)) + 'px';
      hint.element.style.top = Math.max(0, Math.round(y)) + 'px';
    }

    // keepTarget: the pointer still rests on the control, whose hint comes again only after it
    // has left.
    hideHint(keepTarget) {
      const hint = this.hint;
      clearTimeout(hint.timer);
      hint.timer = 0;
      if (hint.element) hint.element.hidden = true;
      if (!keepTarget) hint.target = null;
    }

    // A message box: the title, the text and OK, centred on the screen area, in front of every
    // window and modal for all of them until OK, Enter or Escape closes it.
    showMessageBox(title, text, font, titleFont) {
      const frame = [3, 19, 3, 3];
      const box = this.makeFrame(title, frame, titleFont);
      box.box = ++this.boxCount;
      box.element.setAttribute('role', 'alertdialog');
      box.element.setAttribute('aria-modal', 'true');
      box.element.setAttribute('aria-label', title);
      box.client.classList.add('tessel-box-client');
      applyFont(box.client, font);
      const message = element('div', 'tessel-box-text', box.client);
      message.id = 'tessel-box-' + box.box + '-text';
      message.textContent = text;
      box.element.setAttribute('aria-describedby', message.id);
      box.ok = element('button', 'tessel-button tessel-box-ok', box.client);
      box.ok.type = 'button';
      element('span', 'tessel-button-text', box.ok).textContent = 'OK';
      applyFont(box.ok, font);
      box.blocked = [];
      for (const win of this.windows.values()) {
        box.blocked.push({win: win, inert: win.element.inert});
        win.element.inert = true;
      }
      box.previous = this.active;
      this.root.append(box.element);
      box.element.hidden = false;
      box.client.style.width = 'max-content';  // as wide as the text, up to its widest line
      const client = [box.client.offsetWidth, box.client.offsetHeight];
      this.setOuterSize(box, client);
      const outer = [box.element.offsetWidth, box.element.offsetHeight];
      box.element.style.left = Math.floor((kScreenWidth - outer[0]) / 2) + 'px';
      box.element.style.top = Math.floor((kScreenHeight - outer[1]) / 2) + 'px';
      this.boxes.push(box);
      this.raise(box);
      box.ok.focus({preventScroll: true});
      this.setActive(box);
      return box.box;
    }

    dismissBox(box) {
      const at = this.boxes.indexOf(box);
      if (at < 0) return;
      this.boxes.splice(at, 1);
      box.element.remove();
      for (const blocked of box.blocked) blocked.win.element.inert = blocked.inert;
      this.active = null;
      const previous = box.previous;
      const stillOpen = previous && (previous.box ? this.boxes.includes(previous) :
                                                    this.windows.get(previous.handle) === previous);
      this.activate(stillOpen ? previous : this.boxes[this.boxes.length - 1] || this.frontmost());
      this.events.push(kBoxDismissed, 0, box.box, true);
    }
  }

  const screen = new Screen();
  const fonts = tesselFonts(Module['files']);
  Module['preRun'] = [].concat(Module['preRun'] || [], [() => {
    screen.attach(Module['screen'] || document.getElementById('screen'));
    addRunDependency('fonts');
    fonts.then(() => removeRunDependency('fonts'));
  }]);
  const onAbort = Module['onAbort'];
  Module['onAbort'] = (what) => {
    screen.detach();
    if (onAbort) onAbort(what);
  };
  return screen;
})();

// The module's end, in a task of its own (page.cpp): exit() throws the status to unwind the
// program, and it stops here.
function tesselEnd(status) {
  tesselScreen.detach();
  try {
    Module['_TesselForceExit'](status);
  } catch (e) {
    if (!(e instanceof ExitStatus)) throw e;
  }
}

// Pixels from WebAssembly, 0xAARRGGBB, as the page's own image data.
function tesselPixels(address, width, height) {
  const image = new ImageData(width, height);
  const words = HEAPU32.subarray(address >> 2, (address >> 2) + width * height);
  for (let i = 0; i < words.length; ++i) {
    const p = words[i];
    image.data[4 * i] = (p >>> 16) & 0xFF;
    image.data[4 * i + 1] = (p >>> 8) & 0xFF;
    image.data[4 * i + 2] = p & 0xFF;
    image.data[4 * i + 3] = p >>> 24;
  }
  return image;
}
