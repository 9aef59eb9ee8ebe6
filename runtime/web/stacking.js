// Stacking, activation and modality, which the page does as a window system does by itself: a
// shown window comes to the front, a press raises the window it lands on and makes it active,
// the active window has the keyboard, and a modal window stays in front of the others. Where the
// active window goes, the frontmost one that takes input follows it; at the end of a modal phase
// the runtime names the window (activateWindow).

let active = null;
let stacked = 0;
// Layers: windows, then modal windows, then message boxes, then the hint over all.
const kModalLayer = 1e6;
const kBoxLayer = 2e6;
const kHintLayer = 3e6;

function raise(win) {
  const layer = win.box ? kBoxLayer : win.modal ? kModalLayer : 0;
  win.element.style.zIndex = layer + ++stacked;
}

// The control that has the window's keyboard focus, or gets it back when the window is active
// again: the window element keeps its id (data-focus).
function savedFocus(win) {
  const c = win.controls.get(Number(win.element.dataset.focus));
  return c ? c.element : win.element;
}

// The window becomes the active one: its focus goes back where it was, or to the window.
function activate(win) {
  if (!win || win.element.inert || win.element.hidden) return false;
  savedFocus(win).focus({preventScroll: true});
  setActive(win);
  return true;
}

function setActive(win) {
  if (active === win) return;
  if (active) {
    active.element.classList.remove('tessel-active');
    paintTitle(active.shade, false);
  }
  active = win;
  if (win) {
    win.element.classList.add('tessel-active');
    paintTitle(win.shade, true);
    view.follow();
  }
}

function onFocusIn(e) {
  const win = windowOf(e.target);
  setActive(win);
  if (win && e.target.dataset.control) win.element.dataset.focus = e.target.dataset.control;
}

// Visible and in front, and active; the first tab stop takes the focus when it first shows.
function showWindow(handle) {
  const win = windows.get(handle);
  if (!win) return false;
  win.element.hidden = false;
  raise(win);
  if (!win.shownBefore) {
    win.shownBefore = true;
    if (win.spec.tabOrder.length) win.element.dataset.focus = win.spec.tabOrder[0];
  }
  view.setAnchor(win.element.offsetWidth, win.element.offsetHeight);
  activate(win);
  view.follow();
  return true;
}

function makeModal(handle) {
  const win = windows.get(handle);
  if (!win) return false;
  win.modal = true;
  win.element.setAttribute('role', 'dialog');
  win.element.setAttribute('aria-modal', 'true');
  return true;
}

// A disabled window takes no input and no focus, and keeps its look.
function setEnabled(handle, enabled) {
  const win = windows.get(handle);
  if (!win) return false;
  win.element.inert = !enabled;
  return true;
}

function activateWindow(handle) {
  const win = windows.get(handle);
  return !!win && activate(win);
}

function frontmost() {
  let front = null;
  for (const win of windows.values()) {
    if (win.element.hidden || win.element.inert) continue;
    if (!front || Number(win.element.style.zIndex) > Number(front.element.style.zIndex)) {
      front = win;
    }
  }
  return front;
}

function destroyWindow(handle) {
  const win = windows.get(handle);
  if (!win) return false;
  windows.delete(handle);
  forgetWindow(win);
  if (win.box) releaseBox(win);
  win.element.remove();
  view.follow();
  if (active !== win) return true;
  active = null;
  activate(win.previous && windows.get(win.previous.handle) === win.previous ?
      win.previous : frontmost());
  return true;
}
