// The page's queue of what the program must answer, in the order it happened. The program takes
// one event at a time and waits, suspended, while there is none (page.cpp).

class EventQueue {
  constructor() {
    this.events = [];
    this.waiter = null;
  }

  // event: {type, window, control}, its type one of page_constants.js's.
  push(event) {
    this.events.push(event);
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

  // Nothing queued: for a new program on the same page.
  clear() {
    this.events = [];
  }
}
