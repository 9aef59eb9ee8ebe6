// The parts of the fixed tool-window frame that are painted rather than styled, as Qt's tool
// window paints them.

const kCloseBoxWidth = 12;
const kCloseBoxHeight = 10;

// The small raised button with a cross that Qt's tool window paints; sunken while pressed.
function drawCloseBox(canvas, down) {
  const g = canvas.getContext('2d');
  const w = kCloseBoxWidth;
  const h = kCloseBoxHeight;
  const dot = (x, y, colour) => {
    g.fillStyle = colour;
    g.fillRect(x, y, 1, 1);
  };
  g.fillStyle = '#c0c0c0';
  g.fillRect(0, 0, w, h);
  const light = down ? '#000000' : '#ffffff';
  const dark = down ? '#ffffff' : '#000000';
  for (let x = 0; x < w; ++x) dot(x, 0, light);
  for (let y = 0; y < h; ++y) dot(0, y, light);
  for (let x = 0; x < w; ++x) dot(x, h - 1, dark);
  for (let y = 0; y < h; ++y) dot(w - 1, y, dark);
  const cx = 5 + (down ? 1 : 0);
  const cy = 4 + (down ? 1 : 0);
  for (let d = 0; d <= 1; ++d) {
    for (let i = 0; i <= 4; ++i) {
      dot(cx - 3 + d + i, cy - 2 + i, '#000000');
      dot(cx - 3 + d + i, cy + 2 - i, '#000000');
    }
  }
}

// The title bar's shading, left to right, column by column as Qt's tool window has it; painted
// here rather than as a CSS gradient, which the browser dithers differently from one drawing to
// the next.
const kTitleShades = {active: [[0x00, 0x00, 0x80], [0x10, 0x84, 0xd0]],
                      inactive: [[0x80, 0x80, 0x80], [0xb0, 0xb0, 0xb0]]};

function paintTitle(canvas, active) {
  const ends = active ? kTitleShades.active : kTitleShades.inactive;
  const width = canvas.width;
  const row = new ImageData(width, 1);
  for (let x = 0; x < width; ++x) {
    const t = width > 1 ? x / (width - 1) : 0;
    for (let c = 0; c < 3; ++c) {
      row.data[4 * x + c] = Math.round(ends[0][c] + (ends[1][c] - ends[0][c]) * t);
    }
    row.data[4 * x + 3] = 255;
  }
  canvas.getContext('2d').putImageData(row, 0, 0);
}

