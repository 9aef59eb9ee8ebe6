// Message boxes: a window the runtime built and placed (message_box.h), shown in front of every
// window and modal for all of them until it goes; read as an alert whose text is its first label.
// When it goes, the windows take input as before, and the one that was active is again.

function showMessageBox(handle) {
  const box = windows.get(handle);
  if (!box) return false;
  box.box = true;
  box.blocked = [];
  for (const win of windows.values()) {
    if (win === box) continue;
    box.blocked.push({win: win, inert: win.element.inert});
    win.element.inert = true;
  }
  box.previous = active;
  const e = box.element;
  e.setAttribute('role', 'alertdialog');
  e.setAttribute('aria-modal', 'true');
  e.setAttribute('aria-describedby', e.querySelector('.tessel-label').id);
  return showWindow(handle);
}

function releaseBox(box) {
  for (const blocked of box.blocked) blocked.win.element.inert = blocked.inert;
}
