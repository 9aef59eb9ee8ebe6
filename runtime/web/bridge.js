// The module's bridge to the page: what the program's calls reach (tesselPage, page.cpp), the
// module's start on the page's screen area once the faces are loaded, and its end. A call answers
// whether it did what it was asked; an exception in the page's script, in a call or while the
// page answers the user, is a failure too: a call's is its answer (and its words go to the
// console), any other's is queued for the program's report with its words.

const failures = [];

function failed(error) {
  failures.push(String(error));
  tesselPage.events.push({type: kEventFailure, window: 0, control: 0});
}

function guarded(handler) {
  return (...args) => {
    try {
      return handler(...args);
    } catch (error) {
      failed(error);
      return 0;
    }
  };
}

function answering(call) {
  return (...args) => {
    try {
      return call(...args);
    } catch (error) {
      console.error(error);
      return 0;
    }
  };
}

var tesselPage = {
  events: new EventQueue(),
  reset: () => {
    for (const handle of [...windows.keys()]) destroyWindow(handle);
    tesselPage.events.clear();
  },
  createWindow: answering(createWindow),
  setPicture: answering(setPicture),
  setIcon: answering(setIcon),
  moveWindow: answering(moveWindow),
  showWindow: answering(showWindow),
  makeModal: answering(makeModal),
  showMessageBox: answering(showMessageBox),
  setEnabled: answering(setEnabled),
  activateWindow: answering(activateWindow),
  destroyWindow: answering(destroyWindow),
  setCaption: answering(setCaption),
  measureText: guarded(measureText),
  takeFailure: () => failures.shift() || '',
};

const fonts = tesselFonts(Module['files']);
Module['preRun'] = [].concat(Module['preRun'] || [], [() => {
  attach(Module['screen'] || document.getElementById('screen'));
  addRunDependency('fonts');
  fonts.then(() => removeRunDependency('fonts'));
}]);
const onAbort = Module['onAbort'];
Module['onAbort'] = (what) => {
  detach();
  if (onAbort) onAbort(what);
};

// The module's end, in a task of its own (page.cpp): exit() throws the status to unwind the
// program, and it stops here.
function tesselEnd(status) {
  detach();
  try {
    Module['_TesselForceExit'](status);
  } catch (e) {
    if (!(e instanceof ExitStatus)) throw e;
  }
}

// Pixels from WebAssembly, 0xAARRGGBB, as the page's own image data.
function tesselPixels(address, width, height) {
  const image = new ImageData(width, height);
  const words = HEAPU32.subarray(address >> 2, (address >> 2) + width * height);
  for (let i = 0; i < words.length; ++i) {
    const p = words[i];
    image.data[4 * i] = (p >>> 16) & 0xFF;
    image.data[4 * i + 1] = (p >>> 8) & 0xFF;
    image.data[4 * i + 2] = p & 0xFF;
    image.data[4 * i + 3] = p >>> 24;
  }
  return image;
}
