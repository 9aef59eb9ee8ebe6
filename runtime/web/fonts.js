// The faces the page brings as web fonts, and which of them stands in for each face the windows
// ask for; the program starts once they are loaded, so that it measures its texts in them.

// The same faces, of the same measure, that the Linux program finds through fontconfig.
const kWebFonts = [
  {family: 'Comic Neue', file: 'ComicNeue-Regular.woff2', weight: '400'},
  {family: 'Comic Neue', file: 'ComicNeue-Bold.woff2', weight: '700'},
  {family: 'Liberation Sans', file: 'LiberationSans-Regular.woff2', weight: '400'},
  {family: 'DejaVu Sans', file: 'DejaVuSans.woff2', weight: '400'},
  {family: 'DejaVu Sans', file: 'DejaVuSans-Bold.woff2', weight: '700'},
];
const kFaceSubstitutes = {
  'Comic Sans MS': 'Comic Neue',
  'Arial': 'Liberation Sans',
  'MS Sans Serif': 'DejaVu Sans',
};

function cssFont(font) {
  const family = kFaceSubstitutes[font.face] || font.face;
  return (font.italic ? 'italic ' : '') + (font.bold ? '700 ' : '400 ') + font.size + 'px "' +
      family + '", sans-serif';
}

function applyFont(e, font) {
  e.style.font = cssFont(font);
  const lines = [];
  if (font.underline) lines.push('underline');
  if (font.strikeOut) lines.push('line-through');
  e.style.textDecoration = lines.join(' ') || 'none';
}

// The faces load beside the module and the program starts once they are there, so that it
// measures its texts in them. One that cannot load leaves its windows in the browser's own.
function loadFonts() {
  return Promise.all(kWebFonts.map((font) =>
      fetch('fonts/' + font.file)
          .then((response) => response.arrayBuffer())
          .then((data) => new FontFace(font.family, data, {weight: font.weight}).load())
          .then((face) => document.fonts.add(face))
          .catch((error) => err('Schrift ' + font.file + ' nicht geladen: ' + error))));
}

