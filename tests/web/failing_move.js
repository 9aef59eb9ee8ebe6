// For the checked module (waiting_calls_test.py): the first move of the second window the
// program makes (its first die window) fails, so that the runtime's error message box waits
// inside that window's Load.
Module['preRun'] = [].concat(Module['preRun'] || [], [() => {
  const move = tesselScreen.moveWindow.bind(tesselScreen);
  let failed = false;
  tesselScreen.moveWindow = (window, left, top) => {
    if (window !== 2 || failed) return move(window, left, top);
    failed = true;
    return false;
  };
}]);
