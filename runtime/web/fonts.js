// The faces the page brings as web fonts, and text measured in them; the program starts once they
// are loaded, so that it measures its texts in them.

// The faces that stand in for those the windows ask for (kFaceSubstitutes, page_constants.js);
// Tessel Sans is Liberation Sans cut down, under a name of its own as its licence asks of a cut.
const kWebFonts = [
  {family: 'Comic Neue', file: 'fonts/ComicNeue-Regular.woff2', weight: '400'},
  {family: 'Comic Neue', file: 'fonts/ComicNeue-Bold.woff2', weight: '700'},
  {family: 'Tessel Sans', file: 'fonts/TesselSans-Regular.woff2', weight: '400'},
  {family: 'DejaVu Sans', file: 'fonts/DejaVuSans.woff2', weight: '400'},
  {family: 'DejaVu Sans', file: 'fonts/DejaVuSans-Bold.woff2', weight: '700'},
];
const kCutNames = {'Liberation Sans': 'Tessel Sans'};

function webFace(face) {
  const substitute = kFaceSubstitutes[face] || face;
  return kCutNames[substitute] || substitute;
}

// The line each face is laid out with on Windows, as in its own tables: usWinAscent and
// usWinDescent (OS/2) over its units per em (head). The browsers round a face's metrics each
// their own way (Firefox rounds the ascent up to a whole pixel), so the page reckons a line's
// height from these, rounding ascent and descent as Windows does.
const kWindowsLines = {
  'Comic Neue': [1000, 350, 1000],
  'Tessel Sans': [1854, 434, 2048],
  'DejaVu Sans': [1901, 483, 2048],
};

// Null for a face the page does not bring.
function windowsLineHeight(font) {
  const line = kWindowsLines[webFace(font.face)];
  if (!line) return null;
  return Math.round(font.size * line[0] / line[2]) + Math.round(font.size * line[1] / line[2]);
}

function cssFont(font) {
  return (font.italic ? 'italic ' : '') + (font.bold ? '700 ' : '400 ') + font.size + 'px "' +
      webFace(font.face) + '", sans-serif';
}

function applyFont(e, font) {
  e.style.font = cssFont(font);
  const lines = [];
  if (font.underline) lines.push('underline');
  if (font.strikeOut) lines.push('line-through');
  e.style.textDecoration = lines.join(' ') || 'none';
}

// One line of text as the page draws it: the width its layout gives the text, the height of the
// font's line.
let measurer = null;
const lineHeights = new Map();

function measureText(font, text) {
  if (!measurer) measurer = element('span', 'tessel-measurer', root);
  applyFont(measurer, font);
  measurer.textContent = text;
  const width = measurer.getBoundingClientRect().width / scale();
  return {width: Math.ceil(width - 1e-3), height: lineHeight(font)};
}

function lineHeight(font) {
  const windowsLine = windowsLineHeight(font);
  if (windowsLine !== null) return windowsLine;
  const css = cssFont(font);
  if (!lineHeights.has(css)) {
    const g = element('canvas').getContext('2d');
    g.font = css;
    const m = g.measureText('');
    lineHeights.set(css, Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent));
  }
  return lineHeights.get(css);
}

// The faces are the page's: loaded once, for every program the page starts. `files` holds what
// the page has fetched already (by path, as ArrayBuffers); the rest is fetched here. A face that
// cannot load leaves its windows in the browser's own, and says which file it was.
function tesselFonts(files) {
  const page = self;
  if (!page.tesselFontsLoaded) {
    const bytes = (file) => files && files[file] ? Promise.resolve(files[file]) :
        fetch(file).then((response) => {
          if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
          return response.arrayBuffer();
        });
    page.tesselFontsLoaded = Promise.all(kWebFonts.map((font) =>
        bytes(font.file)
            .then((data) => new FontFace(font.family, data, {weight: font.weight}).load())
            .then((face) => document.fonts.add(face))
            .catch((error) => console.warn('Schrift ' + font.file + ' nicht geladen: ' + error))));
  }
  return page.tesselFontsLoaded;
}
