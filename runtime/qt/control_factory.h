#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "runtime/core/window_spec.h"

namespace tessel::runtime::qt {

struct BuiltControls {
  std::map<int, QWidget*> by_id;
  QWidget* first_tab_stop = nullptr;
  QWidget* default_button = nullptr;
};

// Creates the controls of a window on its client area, with their stored geometry, fonts,
// colours and tab order. on_click receives the control id of a pressed button. False where a
// picture does not decode; what was built stays with the client area.
bool BuildControls(QWidget* client, const WindowSpec& spec,
                   const std::function<void(int)>& on_click, BuiltControls& built);

// Background and text colours of a label or picture box; system colours are looked up again
// each time, so calling it after a change of colour scheme follows the scheme.
void ApplyColours(QWidget* widget, const ControlSpec& spec);

}  // namespace tessel::runtime::qt
