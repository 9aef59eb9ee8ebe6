// The page's queue of what the program must answer, in the order it happened: the user's input
// and tasks posted for later. The program takes one event at a time and waits, suspended, while
// there is none (page.cpp).

const kClick = 1;          // a button was pressed: window, control
const kCloseRequest = 2;   // the close box or Alt+F4: window
const kBoxDismissed = 3;   // a message box was closed: its id
const kTask = 4;           // a posted task came due: its id

class EventQueue {
  constructor() {
    this.events = [];
    this.waiter = null;
    this.timers = new Set();
  }

  push(type, window, control, input) {
    this.events.push({type: type, window: window, control: control, input: input});
    if (this.waiter) {
      const wake = this.waiter;
      this.waiter = null;
      wake(this.events.shift());
    }
  }

  next() {
    if (this.events.length) return Promise.resolve(this.events.shift());
    return new Promise((resolve) => { this.waiter = resolve; });
  }

  // The first event of the user's input, taken ahead of the posted tasks before it.
  takeInput() {
    const i = this.events.findIndex((event) => event.input);
    return i < 0 ? null : this.events.splice(i, 1)[0];
  }

  postTask(task, delayMs) {
    const timer = setTimeout(() => {
      this.timers.delete(timer);
      this.push(kTask, 0, task, false);
    }, delayMs);
    this.timers.add(timer);
  }

  // Nothing queued, nothing due: for a new program on the same page.
  clear() {
    for (const timer of this.timers) clearTimeout(timer);
    this.timers.clear();
    this.events = [];
  }
}
