// For the checked module (waiting_calls_test.py), faults in the page's script: the first move of
// the second window the program makes (its first die window) throws, so that the runtime's error
// message box waits inside that window's Load; and the first close request the page queues
// throws, so that the script's failure while it answers the user reaches the report from the
// event loop.
Module['preRun'] = [].concat(Module['preRun'] || [], [() => {
  const move = tesselPage.moveWindow;
  let moved = false;
  tesselPage.moveWindow = answering((window, left, top) => {
    if (window !== 2 || moved) return move(window, left, top);
    moved = true;
    throw new Error('Verschieben abgelehnt');
  });
  const events = tesselPage.events;
  const push = events.push.bind(events);
  let closed = false;
  events.push = (event) => {
    if (event.type === kEventCloseRequest && !closed) {
      closed = true;
      throw new Error('Schließen abgelehnt');
    }
    push(event);
  };
}]);
