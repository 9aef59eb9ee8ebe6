// Input: what the program must answer goes to the queue (clicks, close requests); what a window
// system does by itself is done here at once: a press raises and activates, Tab walks the tab
// stops, Enter presses the focused button or the default one the runtime settled, the title bar
// drags its window and the empty screen area drags the view, by mouse or finger.

// How much of a title bar a drag leaves in view at the left and right edges.
const kTitleGrip = 32;
let drag = null;
let pan = null;

function attachInput() {
  listen(root, 'mousedown', onMouseDown, true);
  listen(root, 'click', onClick);
  listen(root, 'contextmenu', (e) => e.preventDefault());
  listen(root, 'keydown', onKeyDown);
  listen(root, 'focusin', onFocusIn);
  // A finger raises and activates as a mouse button does; a tap's mouse events come only after
  // it is lifted, and a drag has none.
  listen(root, 'pointerdown', (e) => {
    const win = e.pointerType === 'touch' && windowOf(e.target);
    if (!win) return;
    raise(win);
    if (!e.target.closest('button')) activate(win);
  }, true);
  listen(root, 'pointerdown', (e) => {
    if (e.target !== root || e.button !== 0) return;
    root.setPointerCapture(e.pointerId);
    pan = {pointer: e.pointerId, at: [e.clientX, e.clientY]};
  });
  listen(root, 'pointermove', (e) => {
    if (!pan || pan.pointer !== e.pointerId) return;
    view.panBy(e.clientX - pan.at[0], e.clientY - pan.at[1]);
    pan.at = [e.clientX, e.clientY];
  });
  listen(root, 'lostpointercapture', () => { pan = null; });
}

// A press raises the window it lands on and makes it active; only a button takes the focus by
// it, and the screen area between the windows takes none.
function onMouseDown(e) {
  const win = windowOf(e.target);
  if (!win) {
    e.preventDefault();
    return;
  }
  raise(win);
  if (!e.target.closest('button')) {
    e.preventDefault();
    activate(win);
  }
}

function onClick(e) {
  const button = e.target.closest('button');
  const win = windowOf(button);
  if (button && win) press(win, button);
}

function press(win, button) {
  tesselPage.events.push({type: kEventClick, window: win.handle,
                          control: Number(button.dataset.control)});
}

// The close box, Alt+F4, Escape in a message box, or the page's own request on the window's
// behalf.
function requestClose(win) {
  tesselPage.events.push({type: kEventCloseRequest, window: win.handle, control: 0});
}

// Tab and Shift+Tab walk the window's tab stops in the order the runtime settled, and come round
// again.
function onKeyDown(e) {
  hideHint(true);
  const win = windowOf(e.target);
  if (!win) return;
  if (e.key === 'Tab') {
    e.preventDefault();
    const stops = win.spec.tabOrder.map((id) => win.controls.get(id).element);
    const at = stops.indexOf(document.activeElement);
    const step = e.shiftKey ? -1 : 1;
    const next = at < 0 ? (step > 0 ? 0 : stops.length - 1) : (at + step + stops.length) % stops.length;
    if (stops.length) stops[next].focus({preventScroll: true});
  } else if (e.key === 'Enter') {
    e.preventDefault();
    const fallback = control(win.handle, win.spec.defaultButton);
    const button = e.target.closest('button') || (fallback && fallback.element);
    if (button && !e.repeat) press(win, button);
  } else if ((e.key === 'F4' && e.altKey) || (e.key === 'Escape' && win.box)) {
    e.preventDefault();
    requestClose(win);
  }
}

// The title bar drags its window. As desktops do, the drag keeps the title bar in view: never
// above the view's top, and a grip of it inside each other edge, so that the window can always
// be taken again.
function attachDrag(win) {
  listen(win.title, 'pointerdown', (e) => {
    if (e.button !== 0) return;
    win.title.setPointerCapture(e.pointerId);
    const at = screenPoint(e);
    drag = {win: win, pointer: e.pointerId,
            grip: [at[0] - win.element.offsetLeft, at[1] - win.element.offsetTop]};
  });
  listen(win.title, 'pointermove', (e) => {
    if (!drag || drag.win !== win || drag.pointer !== e.pointerId) return;
    const at = screenPoint(e);
    const seen = view.visible();
    const within = (value, low, high) => Math.min(Math.max(value, low), high);
    const left = within(Math.round(at[0]) - drag.grip[0],
                        seen[0] + kTitleGrip - win.element.offsetWidth, seen[2] - kTitleGrip);
    const top = within(Math.round(at[1]) - drag.grip[1], seen[1], seen[3] - win.spec.client.y);
    moveWindow(win.handle, left, top);
  });
  const end = () => {
    if (!drag || drag.win !== win) return;
    drag = null;
    view.follow();
  };
  listen(win.title, 'pointerup', end);
  listen(win.title, 'lostpointercapture', end);
}

// What of the input a window that goes still holds goes with it.
function forgetWindow(win) {
  if (hint.target && win.element.contains(hint.target)) hideHint(false);
  if (drag && drag.win === win) drag = null;
}
