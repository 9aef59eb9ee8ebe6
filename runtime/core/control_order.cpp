#include "runtime/core/control_order.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace tessel::runtime {
namespace {

bool IsTabStop(const ControlSpec& c) { return c.kind == ControlKind::kCommandButton && c.tab_stop; }

bool DrawnOnParent(const ControlSpec& c) {
  return c.kind == ControlKind::kLabel || c.kind == ControlKind::kImage;
}

// A control's top-left corner in the window's client area, through the picture boxes it lies on.
PixelRect PlaceInWindow(const std::vector<ControlSpec>& controls, const ControlSpec& c) {
  PixelRect place = c.rect;
  for (int parent = c.parent_id; parent != 0;) {
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [parent](const ControlSpec& p) { return p.id == parent; });
    if (it == controls.end()) break;
    place.x += it->rect.x;
    place.y += it->rect.y;
    parent = it->parent_id;
  }
  return place;
}

// Every order sorts by one key type, a shorter key padded with zeros, so that the sort is compiled
// once rather than once for each order (on the page, a sort is four kilobytes of code).
using SortKey = std::tuple<int, int, int>;

// The ids of (key, id) pairs in ascending key order; equal keys keep their order.
std::vector<int> IdsByKey(std::vector<std::pair<SortKey, int>> keyed) {
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> ids;
  ids.reserve(keyed.size());
  for (const auto& [key, id] : keyed) ids.push_back(id);
  return ids;
}

}  // namespace

std::vector<int> TabOrder(const std::vector<ControlSpec>& controls) {
  std::vector<std::pair<SortKey, int>> keyed;
  for (const ControlSpec& c : controls) {
    if (IsTabStop(c)) keyed.emplace_back(SortKey{c.tab_index, 0, 0}, c.id);
  }
  return IdsByKey(std::move(keyed));
}

// Behind the tab stops, ascending keys run front to back.
std::vector<int> FrontToBack(const std::vector<ControlSpec>& controls) {
  std::vector<std::pair<SortKey, int>> keyed;
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlSpec& c = controls[i];
    if (IsTabStop(c)) continue;
    keyed.emplace_back(SortKey{DrawnOnParent(c) ? 1 : 0, -static_cast<int>(i), 0}, c.id);
  }
  std::vector<int> ids = TabOrder(controls);
  const std::vector<int> rest = IdsByKey(std::move(keyed));
  ids.insert(ids.end(), rest.begin(), rest.end());
  return ids;
}

std::vector<int> ReadingOrder(const std::vector<ControlSpec>& controls) {
  std::vector<std::pair<SortKey, int>> keyed;
  keyed.reserve(controls.size());
  for (const ControlSpec& c : controls) {
    if (c.kind == ControlKind::kCommandButton) {
      keyed.emplace_back(SortKey{0, c.tab_index, 0}, c.id);
    } else {
      const PixelRect place = PlaceInWindow(controls, c);
      keyed.emplace_back(SortKey{1, place.y, place.x}, c.id);
    }
  }
  return IdsByKey(std::move(keyed));
}

std::vector<int> ReadOut(const std::vector<ControlSpec>& controls, const std::vector<int>& order) {
  std::vector<int> read;
  for (const int id : order) {
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [id](const ControlSpec& c) { return c.id == id; });
    const bool read_out = it != controls.end() && (it->kind == ControlKind::kCommandButton ||
                                                   it->kind == ControlKind::kLabel);
    if (read_out) read.push_back(id);
  }
  return read;
}

}  // namespace tessel::runtime
