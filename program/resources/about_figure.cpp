#include "program/resources/about_figure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessel::resources {
namespace {

// ---------------------------------------------------------------------------------------------
// Shapes. A pixel belongs to a shape when its centre does. Coordinates are pixels from the
// top-left corner; whether a centre is inside is decided in sixteenths of a pixel with integer
// arithmetic only, so the drawing comes out the same whatever compiler or floating-point unit
// builds this tool.

using Fix = std::int64_t;
constexpr Fix kUnit = 16;

struct Point {
  double x;
  double y;
};

struct FixPoint {
  Fix x;
  Fix y;
};

FixPoint ToFix(Point p) { return {std::llround(p.x * kUnit), std::llround(p.y * kUnit)}; }
FixPoint Centre(int x, int y) { return {x * kUnit + kUnit / 2, y * kUnit + kUnit / 2}; }

class Mask {
 public:
  Mask() : bits_(static_cast<std::size_t>(kAboutWidth * kAboutHeight), false) {}

  template <typename Inside>
  static Mask Where(Inside inside) {
    Mask mask;
    for (int y = 0; y < kAboutHeight; ++y) {
      for (int x = 0; x < kAboutWidth; ++x) mask.Set(x, y, inside(Centre(x, y)));
    }
    return mask;
  }

  bool operator()(int x, int y) const {
    return x >= 0 && y >= 0 && x < kAboutWidth && y < kAboutHeight && bits_[Index(x, y)];
  }
  void Set(int x, int y, bool on) { bits_[Index(x, y)] = on; }

  Mask& operator|=(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] = bits_[i] || other.bits_[i];
    return *this;
  }
  Mask Without(const Mask& other) const {
    Mask result = *this;
    for (std::size_t i = 0; i < bits_.size(); ++i) result.bits_[i] = bits_[i] && !other.bits_[i];
    return result;
  }

  // The shape's own pencil line: its pixels that touch the outside across an edge, or only
  // those that touch `against` there.
  Mask Rim(const Mask* against = nullptr) const {
    Mask rim;
    const auto outside = [&](int x, int y) {
      return !(*this)(x, y) && (against == nullptr || (*against)(x, y));
    };
    for (int y = 0; y < kAboutHeight; ++y) {
      for (int x = 0; x < kAboutWidth; ++x) {
        const bool edge =
            outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
        rim.Set(x, y, (*this)(x, y) && edge);
      }
    }
    return rim;
  }

 private:
  static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kAboutWidth + x); }
  std::vector<bool> bits_;
};

Mask Ellipse(Point centre, double rx, double ry) {
  const FixPoint c = ToFix(centre);
  const Fix a = std::llround(rx * kUnit);
  const Fix b = std::llround(ry * kUnit);
  return Mask::Where([=](FixPoint p) {
    const Fix dx = p.x - c.x;
    const Fix dy = p.y - c.y;
    return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
  });
}

Mask Polygon(std::span<const Point> corners) {
  std::vector<FixPoint> fixed;
  for (const Point& p : corners) fixed.push_back(ToFix(p));
  return Mask::Where([fixed](FixPoint p) {
    bool inside = false;
    for (std::size_t i = 0, j = fixed.size() - 1; i < fixed.size(); j = i++) {
      const FixPoint a = fixed[j];
      const FixPoint b = fixed[i];
      if ((a.y > p.y) == (b.y > p.y)) continue;
      const Fix cross = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
      if ((b.y > a.y) ? cross > 0 : cross < 0) inside = !inside;
    }
    return inside;
  });
}

Mask Polygon(std::initializer_list<Point> corners) {
  return Polygon(std::span<const Point>(corners.begin(), corners.size()));
}

bool NearSegment(FixPoint p, FixPoint a, FixPoint b, Fix radius) {
  const Fix abx = b.x - a.x, aby = b.y - a.y;
  const Fix apx = p.x - a.x, apy = p.y - a.y;
  const Fix length2 = abx * abx + aby * aby;
  const Fix along = apx * abx + apy * aby;
  if (length2 == 0 || along <= 0) return apx * apx + apy * apy <= radius * radius;
  if (along >= length2) {
    const Fix bpx = p.x - b.x, bpy = p.y - b.y;
    return bpx * bpx + bpy * bpy <= radius * radius;
  }
  return (apx * apx + apy * apy) * length2 - along * along <= radius * radius * length2;
}

// Points along the quadratic curve from `from` to `to`, pulled towards `bend`.
std::vector<Point> Curve(Point from, Point bend, Point to) {
  constexpr int kSteps = 16;  // a power of two keeps every sample exact
  std::vector<Point> points;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double u = 1 - t;
    points.push_back({u * u * from.x + 2 * u * t * bend.x + t * t * to.x,
                      u * u * from.y + 2 * u * t * bend.y + t * t * to.y});
  }
  return points;
}

// A lock of hair that hangs from a root `width` pixels wide and narrows to its tip.
Mask Lock(Point root, double width, Point bend, Point tip) {
  const double swell = width * 5 / 16;
  std::vector<Point> outline = Curve({root.x - width / 2, root.y}, {bend.x - swell, bend.y}, tip);
  const std::vector<Point> back =
      Curve(tip, {bend.x + swell, bend.y}, {root.x + width / 2, root.y});
  outline.insert(outline.end(), back.begin() + 1, back.end());
  return Polygon(outline);
}

// A pencil stroke of the given half-width along a quadratic curve from `from` to `to`.
Mask Stroke(Point from, Point bend, Point to, double half_width) {
  std::vector<FixPoint> points;
  for (const Point& p : Curve(from, bend, to)) points.push_back(ToFix(p));
  const Fix radius = std::llround(half_width * kUnit);
  return Mask::Where([points, radius](FixPoint p) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      if (NearSegment(p, points[i - 1], points[i], radius)) return true;
    }
    return false;
  });
}

// ---------------------------------------------------------------------------------------------
// Pencils. Every colour sits on the levels the other pictures use (a multiple of 16 or one
// less), so the figure needs no rounding afterwards.

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

constexpr Rgb kPaper = Hex(0xFFFFFF);
constexpr Rgb kCream = Hex(0xFFFFF0);

// A fixed scatter, so that the pencil's grain is the same on every run.
std::uint32_t Grain(int x, int y, std::uint32_t salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                    static_cast<std::uint32_t>(y) * 0x85EBCA77u ^ salt * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

using Pencil = std::function<Rgb(int x, int y)>;

// Coloured pencil laid in diagonal hatches: `tones` run from light to dark; the hatch lines
// take the darker half, the paper between them the lighter, and the grain mixes them a little.
Pencil Hatched(std::vector<Rgb> tones, std::uint32_t salt, int slope = 1) {
  return [tones = std::move(tones), salt, slope](int x, int y) {
    const std::size_t n = tones.size();
    const bool on_line = (x + slope * y + 400) % 3 == 0;
    const std::size_t pick = Grain(x, y, salt) % ((n + 1) / 2);
    return tones[on_line ? n - 1 - pick : pick];
  };
}

Pencil Solid(Rgb colour) {
  return [colour](int, int) { return colour; };
}

// The dark grey line drawing: mostly 5F5F5F, the pencil lighter here and there.
Rgb Ink(int x, int y) {
  switch (Grain(x, y, 7) % 6) {
    case 0:
      return Hex(0x6F6F6F);
    case 1:
      return Hex(0x606060);
    default:
      return Hex(0x5F5F5F);
  }
}

void Fill(RgbImage& image, const Mask& mask, const Pencil& pencil) {
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      if (mask(x, y)) image.at(x, y) = pencil(x, y);
    }
  }
}

// Colours a shape and draws its outline, or only the part of it that lies against `against`.
void Draw(RgbImage& image, const Mask& shape, const Pencil& pencil, const Mask* against = nullptr) {
  Fill(image, shape, pencil);
  Fill(image, shape.Rim(against), Ink);
}

// ---------------------------------------------------------------------------------------------
// The figure, from the ground up.

Mask Shadow() { return Ellipse({66, 127.5}, 32.5, 14); }

void DrawShadow(RgbImage& image) {
  Fill(image, Shadow(),
       Hatched({Hex(0xEFE0DF), Hex(0xE0DFD0), Hex(0xDFDFD0), Hex(0xD0CFC0)}, 11, -1));
}

// Trouser legs, corners clockwise from the top left.
constexpr Point kLeftLeg[] = {{40, 103},   {54, 103},     {53, 121}, {52, 127},
                              {48, 130.5}, {34.5, 130.5}, {34, 127}, {40, 123}};
constexpr Point kRightLeg[] = {{60, 103},   {72, 103},   {73, 117},   {78, 122},
                               {79.5, 127}, {77, 130.5}, {63, 130.5}, {61, 126}};

void DrawLegs(RgbImage& image) {
  const Pencil denim = Hatched({Hex(0xCFD0DF), Hex(0xC0CFDF), Hex(0xB0BFCF), Hex(0xA0AFBF)}, 12);
  Draw(image, Polygon(kLeftLeg), denim);
  Draw(image, Polygon(kRightLeg), denim);
  // Where the feet begin.
  Fill(image, Stroke({36, 126}, {41, 124.5}, {46, 125}, 0.5), Ink);
  Fill(image, Stroke({70, 124.5}, {74, 124}, {77, 126}, 0.5), Ink);
}

constexpr Point kLeftSleeve[] = {{42, 80}, {31, 88}, {26.5, 95}, {37, 98.5}, {44, 90}};
constexpr Point kRightSleeve[] = {{60, 80}, {75, 82.5}, {83, 85}, {81, 94}, {62, 91}};
constexpr Point kTunic[] = {{38, 78.5},  {64, 78.5},  {69, 90},  {75, 104},
                            {72, 107.5}, {32, 107.5}, {29, 104}, {34, 90}};

void DrawTunic(RgbImage& image) {
  const Pencil lavender = Hatched({Hex(0xCFCFDF), Hex(0xC0C0CF), Hex(0xBFBFC0), Hex(0xB0B0BF)}, 13);
  // Sleeves first, so that the body's outline closes over their shoulder ends.
  Draw(image, Polygon(kLeftSleeve), lavender);
  Draw(image, Polygon(kRightSleeve), lavender);
  Draw(image, Polygon(kTunic), lavender);
  // Folds falling from the arms.
  const Pencil fold = Solid(Hex(0xA0A0B0));
  Fill(image, Stroke({38, 94}, {39, 100}, {37, 105}, 0.5), fold);
  Fill(image, Stroke({65, 93}, {66, 99}, {68, 105}, 0.5), fold);
}

Mask LeftHand() { return Ellipse({30.5, 99.5}, 5.5, 5); }
Mask RightHand() { return Ellipse({86.5, 90}, 5, 6); }

void DrawHands(RgbImage& image) {
  const Pencil skin = [](int x, int y) { return Grain(x, y, 14) % 5 == 0 ? kCream : kPaper; };
  Draw(image, LeftHand(), skin);
  Draw(image, RightHand(), skin);
}

void DrawHeart(RgbImage& image) {
  Mask heart = Ellipse({52.5, 98}, 3, 3);
  heart |= Ellipse({57.5, 98}, 3, 3);
  heart |= Polygon({{49.5, 99}, {60.5, 99}, {55, 105.5}});
  Fill(image, heart, Hatched({Hex(0xC0B060), Hex(0xBFB06F), Hex(0xAFA06F)}, 15));
  Fill(image, heart.Rim(), Solid(Hex(0x8F7F40)));
}

// The big spiky mop around the face, corners clockwise from the crown; every other corner is
// the tip of a spike.
constexpr Point kHairCorners[] = {
    {50, 23},   {60, 21}, {68, 18.5}, {71, 25}, {82, 24.5}, {81, 32},  {92, 34.5}, {87, 42},
    {94.5, 46}, {87, 51}, {92.5, 58}, {85, 59}, {88, 68},   {79, 65},  {74, 70.5}, {70, 67},
    {50, 69},   {30, 67}, {26, 70.5}, {22, 64}, {14, 64},   {19, 55},  {12, 50},   {19, 44},
    {14, 36},   {23, 33}, {20, 26},   {30, 27}, {32, 20},   {41, 24.5}};

constexpr Point kCrown{52, 42};

Pencil HairPencil() {
  return Hatched(
      {Hex(0xDFDF70), Hex(0xCFCF6F), Hex(0xC0C060), Hex(0xBFBF60), Hex(0xB0B05F), Hex(0x9F9F50)},
      16, 2);
}

void DrawHair(RgbImage& image) {
  const Mask mass = Polygon(kHairCorners);
  Draw(image, mass, HairPencil());
  // A stroke from the middle of the mop out into each spike.
  for (std::size_t i = 2; i < std::size(kHairCorners); i += 2) {
    const Point tip = kHairCorners[i];
    const Point from{kCrown.x + (tip.x - kCrown.x) / 2, kCrown.y + (tip.y - kCrown.y) / 2};
    const Point to{tip.x + (kCrown.x - tip.x) / 8, tip.y + (kCrown.y - tip.y) / 8};
    Fill(image,
         Stroke(from, {(from.x + to.x) / 2, (from.y + to.y) / 2 - 1}, to, 0.5).Without(mass.Rim()),
         Solid(Hex(0x8F8F50)));
  }
}

Mask Face() { return Ellipse({50, 63.5}, 21, 15); }

void DrawFace(RgbImage& image) {
  // Cream shading along the lower right, where the light does not reach.
  const Pencil skin = [](int x, int y) {
    return (x - 50) + (y - 64) > 18 && Grain(x, y, 17) % 2 == 0 ? kCream : kPaper;
  };
  Draw(image, Face(), skin);
}

void DrawEyesAndMouth(RgbImage& image) {
  const Pencil dark = [](int x, int y) {
    return Grain(x, y, 18) % 3 == 0 ? Hex(0x3F3F3F) : Hex(0x303030);
  };
  Fill(image, Ellipse({42, 65}, 2, 5), dark);
  Fill(image, Ellipse({58.5, 65}, 2.5, 5), dark);
  // The darkest touch of the whole drawing sits in the pupils.
  image.at(41, 64) = Hex(0x202020);
  image.at(58, 64) = Hex(0x202020);
  Fill(image, Stroke({48, 73}, {50, 74.5}, {53, 73}, 0.5), Solid(Hex(0xB0A0A0)));
}

// The fringe: a band across the forehead with spikes hanging over the face.
constexpr Point kFringe[] = {{27, 44}, {73, 44}, {71, 54}, {66, 50}, {62, 56}, {57, 50.5},
                             {53, 57}, {48, 51}, {43, 55}, {40, 50}, {34, 56}, {31, 50}};

// Only the fringe's lower edge is drawn, where it lies against the face.
void DrawFringe(RgbImage& image) {
  const Mask face = Face();
  Draw(image, Polygon(kFringe), HairPencil(), &face);
}

// Locks that hang down beside the face, the inner right one across the right eye.
void DrawStrands(RgbImage& image) {
  const Mask locks[] = {
      Lock({32, 50}, 8, {28, 64}, {31, 76.5}),
      Lock({68, 50}, 8, {73, 64}, {69, 76.5}),
      Lock({63.5, 53}, 5, {64, 62}, {61, 71.5}),
  };
  for (const Mask& lock : locks) Draw(image, lock, HairPencil());
}

// The tuft, tied at the crown and swept up to the right, with a small sprig to the left.
constexpr Point kTuft[] = {{45, 27},   {41, 20}, {38, 13.5}, {46, 17}, {52, 12}, {62, 10},
                           {84.5, 10}, {70, 15}, {80, 19},   {66, 21}, {58, 25}, {55, 27}};

void DrawTuft(RgbImage& image) {
  Draw(image, Polygon(kTuft), HairPencil());
  Fill(image, Stroke({50, 22}, {62, 13}, {78, 11}, 0.5), Solid(Hex(0x8F8F50)));
  // The band that ties it at the crown.
  Draw(image, Ellipse({50, 26}, 6, 2.5), Solid(Hex(0x7F7F4F)));
}

// Light marks of the first sketch above the tuft and crumbs of the eraser beside the hair;
// none of them darker than a breath of grey.
void DrawSketchMarks(RgbImage& image) {
  const Pencil faint = [](int x, int y) {
    if (y >= 8) return Hex(0xDFDFDF);
    return Grain(x, y, 19) % 2 == 0 ? Hex(0xEFEFEF) : Hex(0xF0F0EF);
  };
  Fill(image, Stroke({58, 9}, {70, 2}, {91, 1.5}, 0.5), faint);
  image.at(66, 6) = Hex(0xF0F0EF);
  image.at(87, 5) = Hex(0xEFEFEF);
  image.at(7, 88) = Hex(0xF0F0F0);
  image.at(8, 89) = kCream;
  image.at(8, 121) = Hex(0xF0F0FF);
}

// ---------------------------------------------------------------------------------------------
// Paper. The figure promises exactly this much bare paper; the last pass settles it the way
// pencil dust would, as a cream bloom that hugs the drawing (or, should the drawing cover too
// much, as paper showing through the ground's shadow).

constexpr int kBarePaper = 8418;

// Where dust may settle: clear of the margins, of the sketch marks above the head and of the
// clean white of the face and hands.
bool InDustArea(int x, int y) { return x >= 9 && x < 100 && y >= 8 && y < 148; }

Mask Skin() {
  Mask skin = Face();
  skin |= LeftHand();
  skin |= RightHand();
  return skin;
}

// How far each pixel lies from the nearest pencil mark, in steps of 2 along an edge and 3
// across a corner.
std::vector<int> DistanceToPencil(const RgbImage& image) {
  constexpr int kFar = 1 << 20;
  std::vector<int> distance(static_cast<std::size_t>(kAboutWidth * kAboutHeight), kFar);
  const auto at = [&](int x, int y) -> int& {
    return distance[static_cast<std::size_t>(y * kAboutWidth + x)];
  };
  // Only the figure draws dust to it, not the faint marks in the margins.
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      if (InDustArea(x, y) && image.at(x, y) != kPaper) at(x, y) = 0;
    }
  }
  const auto relax = [&](int x, int y, int dx, int dy, int step) {
    const int nx = x + dx, ny = y + dy;
    if (nx >= 0 && ny >= 0 && nx < kAboutWidth && ny < kAboutHeight) {
      at(x, y) = std::min(at(x, y), at(nx, ny) + step);
    }
  };
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      relax(x, y, -1, 0, 2), relax(x, y, 0, -1, 2), relax(x, y, -1, -1, 3), relax(x, y, 1, -1, 3);
    }
  }
  for (int y = kAboutHeight - 1; y >= 0; --y) {
    for (int x = kAboutWidth - 1; x >= 0; --x) {
      relax(x, y, 1, 0, 2), relax(x, y, 0, 1, 2), relax(x, y, 1, 1, 3), relax(x, y, -1, 1, 3);
    }
  }
  return distance;
}

struct Spot {
  std::uint32_t order;
  int x;
  int y;
  friend bool operator<(const Spot& a, const Spot& b) {
    return a.order != b.order ? a.order < b.order : (a.y != b.y ? a.y < b.y : a.x < b.x);
  }
};

std::vector<Spot> DustSpots(const RgbImage& image) {
  const std::vector<int> distance = DistanceToPencil(image);
  const Mask skin = Skin();
  std::vector<Spot> spots;
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      if (!InDustArea(x, y) || skin(x, y) || image.at(x, y) != kPaper) continue;
      // Nearer the drawing first, thinning out as it goes.
      const int d = distance[static_cast<std::size_t>(y * kAboutWidth + x)];
      spots.push_back({static_cast<std::uint32_t>(d * 8) + Grain(x, y, 20) % 48, x, y});
    }
  }
  return spots;
}

std::vector<Spot> ShadowGaps(const RgbImage& image) {
  const Mask shadow = Shadow();
  std::vector<Spot> spots;
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      const Rgb& pixel = image.at(x, y);
      if (shadow(x, y) && pixel != kPaper && pixel.red >= 0xD0 && pixel.blue >= 0xC0) {
        spots.push_back({Grain(x, y, 21), x, y});
      }
    }
  }
  return spots;
}

void SettlePaper(RgbImage& image) {
  int bare = 0;
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) bare += image.at(x, y) == kPaper;
  }
  const bool dust = bare > kBarePaper;
  std::vector<Spot> spots = dust ? DustSpots(image) : ShadowGaps(image);
  const auto needed = static_cast<std::size_t>(std::abs(bare - kBarePaper));
  if (spots.size() < needed) {
    throw std::logic_error("cannot settle the paper: " + std::to_string(bare) + " bare pixels");
  }
  std::sort(spots.begin(), spots.end());
  for (std::size_t i = 0; i < needed; ++i) {
    const Spot& spot = spots[i];
    image.at(spot.x, spot.y) =
        dust ? (Grain(spot.x, spot.y, 22) % 4 ? kCream : Hex(0xFFFFEF)) : kPaper;
  }
}

}  // namespace

RgbImage DrawAboutFigure() {
  RgbImage image(kAboutWidth, kAboutHeight);
  DrawShadow(image);
  DrawLegs(image);
  DrawTunic(image);
  DrawHands(image);
  DrawHeart(image);
  DrawHair(image);
  DrawFace(image);
  DrawEyesAndMouth(image);
  DrawFringe(image);
  DrawStrands(image);
  DrawTuft(image);
  DrawSketchMarks(image);
  SettlePaper(image);
  return image;
}

}  // namespace tessel::resources
