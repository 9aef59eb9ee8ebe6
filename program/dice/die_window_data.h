#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "program/dice/die_window.h"
#include "runtime/descriptions/model.h"

namespace tessel::dice {

enum class Role { kRoll, kClose, kStrip, kCredit, kResult };

// Everything in which the two die windows' descriptions differ; tools/write_descriptions stores
// both.
struct DieWindowData {
  const DieWindow& window;  // its name and result label
  std::string_view caption;
  std::string_view link_topic;
  bool keeps_flag_3e;  // one more flag kept as stored, by one window only
  std::int32_t client_width;
  std::int16_t buttons_left;
  std::int16_t roll_tab_index;
  std::int16_t close_tab_index;
  std::string_view close_tool_tip;
  std::string_view strip_name;
  const std::vector<std::uint8_t>& (*strip_picture)();
  std::int16_t strip_width;
  std::string_view credit_name;
  std::int16_t credit_left;
  std::int16_t credit_width;
  std::int16_t credit_tab_index;
  bool credit_auto_size;
  bool credit_in_window_colours;
  std::string_view result_initial;
  std::int16_t result_width;
  std::int16_t result_tab_index;
  std::uint32_t result_font_size;
  Role order[5];  // as the description stores the controls
  descriptions::Guid window_id;
  descriptions::Guid interface_id;
};

extern const DieWindowData kW6FormData;
extern const DieWindowData kW20FormData;

descriptions::Description DieWindowDescription(const DieWindowData& data);

}  // namespace tessel::dice
