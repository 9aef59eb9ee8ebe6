// The windows as elements, built from the runtime's settled description of each (window_json.cpp):
// the frame with its title bar and close box where the runtime placed them, the client area and
// the controls. Nothing here is laid out anew: every place and size is the runtime's.

const windows = new Map();  // handle → window
let iconSet = false;

function rectOf(x, y, width, height) {
  return {x: x, y: y, width: width, height: height};
}

function createWindow(handle, spec) {
  const win = {handle: handle, spec: spec, controls: new Map(), shownBefore: false, modal: false};
  const id = 'tessel-' + handle;
  win.element = element('div', 'tessel-window');
  win.element.id = id;
  win.element.tabIndex = -1;
  win.element.hidden = true;
  win.element.setAttribute('role', 'region');
  win.element.setAttribute('aria-label', spec.caption);
  place(win.element, rectOf(0, 0, spec.outer.width, spec.outer.height));
  addTitleBar(win, spec.titleBar);
  addCloseBox(win, spec.titleBar.closeBox, spec.closeBoxName);
  win.client = element('div', 'tessel-client', win.element);
  place(win.client, spec.client);
  win.client.style.background = spec.back;
  applyFont(win.client, spec.font);
  for (const c of spec.controls) addControl(win, c);
  spec.frontToBack.forEach((control, i) => {
    win.controls.get(control).element.style.zIndex = spec.frontToBack.length - i;
  });
  win.element.setAttribute('aria-owns', spec.readingOrder.map((control) => id + '-' + control)
      .concat([win.closeBox.id]).join(' '));
  root.append(win.element);
  windows.set(handle, win);
  return true;
}

function addTitleBar(win, title) {
  win.title = element('div', 'tessel-title', win.element);
  win.title.setAttribute('aria-hidden', 'true');
  place(win.title, title.bar);
  win.shade = element('canvas', 'tessel-title-shade', win.title);
  win.shade.width = title.bar.width;
  win.shade.height = 1;
  paintTitle(win.shade, false);
  const caption = element('span', 'tessel-caption', win.title);
  place(caption, rectOf(title.caption.x - title.bar.x, title.caption.y - title.bar.y,
                        title.caption.width, title.caption.height));
  caption.style.lineHeight = title.caption.height + 'px';
  caption.textContent = win.spec.caption;
  caption.setAttribute('elementtiming', 'caption');  // when the browser first drew it
  applyFont(caption, title.font);
  attachDrag(win);
}

function addCloseBox(win, rect, name) {
  const box = element('canvas', 'tessel-close-box', win.element);
  place(box, rect);
  box.width = rect.width;
  box.height = rect.height;
  box.id = win.element.id + '-close';
  box.setAttribute('role', 'button');
  box.setAttribute('aria-label', name);
  drawCloseBox(box, false);
  listen(box, 'pointerdown', (e) => {
    if (e.button !== 0) return;
    box.setPointerCapture(e.pointerId);
    drawCloseBox(box, true);
  });
  const release = () => drawCloseBox(box, false);
  listen(box, 'pointerup', release);
  listen(box, 'lostpointercapture', release);
  listen(box, 'click', () => requestClose(win));
  win.closeBox = box;
}

function addControl(win, c) {
  const parent = c.parent ? win.controls.get(c.parent).element : win.client;
  let e;
  switch (c.kind) {
    case 'button':
      e = element('button', 'tessel-control tessel-button', parent);
      e.type = 'button';
      e.tabIndex = c.tabStop ? 0 : -1;
      applyFont(e, c.font);
      setButtonCaption(e, c);
      break;
    case 'label':
      e = element('div', 'tessel-control tessel-label', parent);
      applyFont(e, c.font);
      e.textContent = c.caption;
      e.style.color = c.fore;
      if (!c.transparent) e.style.background = c.back;
      e.style.textAlign = c.align;
      e.style.whiteSpace = c.autoSize ? 'pre' : 'pre-wrap';
      e.style.lineHeight = lineHeight(c.font) + 'px';
      e.setAttribute('aria-live', 'polite');
      break;
    case 'image':
      e = element(c.picture ? 'canvas' : 'div', 'tessel-control tessel-image', parent);
      if (c.picture) {
        e.width = c.rect.width;
        e.height = c.rect.height;
      }
      e.setAttribute('aria-hidden', 'true');
      break;
    default:
      e = element('div', 'tessel-control tessel-picture-box', parent);
      e.style.background = c.back;
      e.setAttribute('role', 'none');
  }
  // A label's line is drawn over its padding, as the browser draws it alike at every scale; a
  // picture box's children stand inside its sunken edge, as on the other window systems.
  const edge = c.edge.width + 'px';
  if (c.edge.kind === 'line') {
    e.style.padding = edge;
    e.style.boxShadow = 'inset 0 0 0 ' + edge;
  } else if (c.edge.kind === 'sunken') {
    e.classList.add('tessel-sunken');
    e.style.borderWidth = edge;
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
function setButtonCaption(button, c) {
  const text = element('span', 'tessel-button-text', button);
  text.textContent = c.caption;
  if (measureText(c.font, c.caption).width > c.wrapWidth) {
    text.style.whiteSpace = 'pre-wrap';
    text.style.maxWidth = c.wrapWidth + 'px';
  }
}

function control(handle, id) {
  const win = windows.get(handle);
  return win ? win.controls.get(id) : undefined;
}

function setPicture(handle, id, pixels) {
  const c = control(handle, id);
  if (!c || c.spec.kind !== 'image' || !c.spec.picture) return false;
  c.element.getContext('2d').putImageData(pixels, 0, 0);
  return true;
}

// The program's icon becomes the page's, where the browser lists it.
function setIcon(pixels) {
  if (iconSet) return true;
  iconSet = true;
  const canvas = element('canvas');
  canvas.width = pixels.width;
  canvas.height = pixels.height;
  canvas.getContext('2d').putImageData(pixels, 0, 0);
  const link = document.querySelector('link[rel="icon"]') || element('link', '', document.head);
  link.rel = 'icon';
  link.href = canvas.toDataURL('image/png');
  return true;
}

function setCaption(handle, id, text, rect) {
  const c = control(handle, id);
  if (!c || c.spec.kind !== 'label') return false;
  c.element.textContent = text;
  place(c.element, rect);
  return true;
}

function moveWindow(handle, left, top) {
  const win = windows.get(handle);
  if (!win) return false;
  win.element.style.left = left + 'px';
  win.element.style.top = top + 'px';
  return true;
}

// The window, or message box, that a node of the page belongs to.
function windowOf(node) {
  const e = node && node.closest ? node.closest('.tessel-window') : null;
  return e ? windows.get(Number(e.id.slice(7))) || null : null;
}
