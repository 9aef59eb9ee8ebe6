// The test page's side of run_in_browser.py: the test module's output and its requests to the
// browser go out one message at a time, and the answer to a request comes back to the test,
// which waits for it (web_test_surface.cpp).
var tesselDriver = {
  messages: [],
  output: [],
  runner: null,   // the runner's wait for the next message
  pending: null,  // the test's wait for its answer

  send(message) {
    message.output = this.output.splice(0);
    if (this.runner) {
      const wake = this.runner;
      this.runner = null;
      wake(message);
    } else {
      this.messages.push(message);
    }
  },

  request(request) {
    return new Promise((resolve) => {
      this.pending = resolve;
      this.send(request);
    });
  },

  next() {
    if (this.messages.length) return Promise.resolve(this.messages.shift());
    return new Promise((resolve) => {
      this.runner = resolve;
      setTimeout(() => {
        if (this.runner === resolve) this.send({kind: 'idle'});
      }, 2000);
    });
  },

  answer(value) {
    const resume = this.pending;
    this.pending = null;
    resume(value);
  },

  print(line) { this.output.push(line); },
};

addEventListener('error', (e) => tesselDriver.print('page error: ' + e.message));
addEventListener('unhandledrejection', (e) => tesselDriver.print('page error: ' + e.reason));
