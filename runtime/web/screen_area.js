// The screen area: the element the page gives, as large as the runtime's screen (kScreenWidth,
// kScreenHeight, page_constants.js), shown through the view (view.js); and where a pointer is on
// it. Everything the program listens to goes with it.

let root = null;
let view = null;
let listening = null;

function element(tag, className, parent) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (parent) parent.append(e);
  return e;
}

function place(e, r) {
  e.style.left = r.x + 'px';
  e.style.top = r.y + 'px';
  e.style.width = r.width + 'px';
  e.style.height = r.height + 'px';
}

function scale() {
  return view ? view.scale : 1;
}

// Where the pointer is, in the screen area's own pixels.
function screenPoint(e) {
  const r = root.getBoundingClientRect();
  return [(e.clientX - r.left) / scale(), (e.clientY - r.top) / scale()];
}

// A listener of the screen area's, or of one of its parts: a failure in it is the page's, and
// goes to the program's report (bridge.js).
function listen(target, type, handler, capture) {
  target.addEventListener(type, guarded(handler), {capture: !!capture, signal: listening.signal});
}

function attach(element) {
  root = element;
  listening = new AbortController();
  root.classList.add('tessel-screen');
  attachHints();
  attachInput();
  listen(matchMedia('(prefers-color-scheme: dark)'), 'change', repaintFrames);
  view = new TesselView(root, kScreenWidth, kScreenHeight, framesShown, listening.signal);
  view.fit();
}

// The program has ended: nothing of it listens or waits any longer.
function detach() {
  if (listening) listening.abort();
  hideHint(false);
  tesselPage.events.clear();
}

// The shown windows' outer boxes, and the active one's, for the view to follow.
function framesShown() {
  const box = (e) => [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];
  const shown = [...windows.values()].filter((win) => !win.element.hidden);
  return {frames: shown.map((win) => box(win.element)), active: active ? box(active.element) : null};
}
