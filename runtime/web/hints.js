// Hints show after the pointer has rested on a control that has one, in any window that takes
// input, and go with the next press or key, or when the pointer leaves. A finger cannot rest
// without pressing: there a long press shows the hint, and is no click.

const kHintDelayMs = 700;
// A hint that a long press brought up stays this long after the finger is lifted.
const kTouchHintMs = 1500;
const hint = {element: null, target: null, timer: 0, pointer: [0, 0], pressed: null,
              byPress: false};

function attachHints() {
  hint.element = element('div', 'tessel-hint', root);
  hint.element.hidden = true;
  hint.element.style.zIndex = kHintLayer;
  listen(root, 'pointerover', onPointerOver);
  listen(root, 'pointermove', (e) => {
    if (hint.timer && e.pointerType !== 'touch') hint.pointer = screenPoint(e);
  });
  listen(root, 'pointerdown', onPointerDown, true);
  listen(root, 'pointerup', onPointerUp);
  listen(root, 'pointercancel', onPointerUp);
  listen(root, 'pointerleave', (e) => {
    if (e.pointerType !== 'touch') hideHint(false);
  });
  // The click that ends a long press only took the hint.
  listen(root, 'click', (e) => {
    if (!hint.byPress) return;
    hint.byPress = false;
    e.stopPropagation();
    e.preventDefault();
  }, true);
}

function awaitHint(target, e) {
  hint.target = target;
  hint.pointer = screenPoint(e);
  hint.timer = setTimeout(guarded(showHint), kHintDelayMs);
}

function onPointerOver(e) {
  if (e.pointerType === 'touch') return;
  const target = e.target.closest('[data-hint]');
  if (target === hint.target) return;
  hideHint(false);
  if (target) awaitHint(target, e);
}

function onPointerDown(e) {
  hideHint(e.pointerType !== 'touch');
  hint.byPress = false;
  if (e.pointerType !== 'touch') return;
  const target = e.target.closest('[data-hint]');
  if (!target || target.closest('[inert]')) return;
  hint.pressed = {pointer: e.pointerId, at: e.timeStamp};
  awaitHint(target, e);
}

// Whether the press was long is the events' own time, not the timer's, which a busy page may
// run late.
function onPointerUp(e) {
  const pressed = hint.pressed;
  if (!pressed || pressed.pointer !== e.pointerId) return;
  hint.pressed = null;
  hint.byPress = e.timeStamp - pressed.at >= kHintDelayMs;
  if (hint.byPress) {
    hint.timer = setTimeout(() => hideHint(false), kTouchHintMs);
  } else {
    hideHint(false);
  }
}

function showHint() {
  hint.timer = 0;
  if (!hint.target || !hint.target.isConnected) return;
  const e = hint.element;
  e.textContent = hint.target.dataset.hint;
  e.hidden = false;
  const x = Math.min(hint.pointer[0], kScreenWidth - e.offsetWidth);
  let y = hint.pointer[1] + 20;
  if (y + e.offsetHeight > kScreenHeight) y = hint.pointer[1] - 4 - e.offsetHeight;
  e.style.left = Math.max(0, Math.round(x)) + 'px';
  e.style.top = Math.max(0, Math.round(y)) + 'px';
}

// keepTarget: the pointer still rests on the control, whose hint comes again only after it has
// left.
function hideHint(keepTarget) {
  clearTimeout(hint.timer);
  hint.timer = 0;
  if (hint.element) hint.element.hidden = true;
  if (!keepTarget) hint.target = null;
}
