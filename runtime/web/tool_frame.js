// The parts of the fixed tool-window frame that are painted rather than styled, as Qt's tool
// window paints them, in the frame's colours of the scheme the browser asks for (the screen
// area's variables, page_scheme.css).

function frameColour(name) {
  return getComputedStyle(root).getPropertyValue('--frame-' + name).trim();
}

// The small raised button with a cross; sunken while pressed.
function drawCloseBox(canvas, down) {
  const g = canvas.getContext('2d');
  const w = canvas.width;
  const h = canvas.height;
  const line = (x, y, width, height, colour) => {
    g.fillStyle = colour;
    g.fillRect(x, y, width, height);
  };
  const light = frameColour(down ? 'dark-shadow' : 'light');
  const dark = frameColour(down ? 'light' : 'dark-shadow');
  line(0, 0, w, h, frameColour('face'));
  line(0, 0, w, 1, light);
  line(0, 0, 1, h, light);
  line(0, h - 1, w, 1, dark);
  line(w - 1, 0, 1, h, dark);
  const shift = down ? 1 : 0;
  const cx = (w - 1 >> 1) + shift;
  const cy = (h - 1 >> 1) + shift;
  const glyph = frameColour('glyph');
  for (let d = 0; d <= 1; ++d) {
    for (let i = 0; i <= 4; ++i) {
      line(cx - 3 + d + i, cy - 2 + i, 1, 1, glyph);
      line(cx - 3 + d + i, cy + 2 - i, 1, 1, glyph);
    }
  }
}

// The title bar's shading, left to right, column by column; painted here rather than as a CSS
// gradient, which the browser dithers differently from one drawing to the next.
function paintTitle(canvas, isActive) {
  const state = isActive ? 'active' : 'inactive';
  const ends = ['from', 'to'].map((end) => parseInt(frameColour(state + '-' + end).slice(1), 16));
  const width = canvas.width;
  const row = new ImageData(width, 1);
  for (let x = 0; x < width; ++x) {
    const t = width > 1 ? x / (width - 1) : 0;
    for (let c = 0; c < 3; ++c) {
      const shift = 16 - 8 * c;
      const from = ends[0] >> shift & 255;
      row.data[4 * x + c] = Math.round(from + ((ends[1] >> shift & 255) - from) * t);
    }
    row.data[4 * x + 3] = 255;
  }
  canvas.getContext('2d').putImageData(row, 0, 0);
}

// Once the browser's scheme changes, the painted parts follow the styled ones.
function repaintFrames() {
  for (const win of windows.values()) {
    paintTitle(win.shade, win === active);
    drawCloseBox(win.closeBox, false);
  }
}
