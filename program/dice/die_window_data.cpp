#include "program/dice/die_window_data.h"

#include "program/resources/pictures.h"

namespace tessel::dice {

const DieWindowData kW6FormData{
    .window = kW6Form,
    .caption = "6er Tessel",
    .link_topic = "W6Form",
    .keeps_flag_3e = true,
    .client_width = 2520,
    .buttons_left = 1260,
    .roll_tab_index = 0,
    .close_tab_index = 3,
    .close_tool_tip = "Ahem, ist zum BEENDEN gedacht, steht doch da ... ",
    .strip_name = "Line",
    .strip_picture = &resources::ShortStripFile,
    .strip_width = 660,
    .credit_name = "cLA",
    .credit_left = 780,
    .credit_width = 1695,
    .credit_tab_index = 2,
    .credit_auto_size = false,
    .credit_in_window_colours = true,
    .result_initial = "0",
    .result_width = 1095,
    .result_tab_index = 1,
    .result_font_size = 727500,
    .order = {Role::kClose, Role::kRoll, Role::kStrip, Role::kCredit, Role::kResult},
    .window_id = {0x7A41C0E3, 0x2B9D, 0x4C61, {0x8E, 0x05, 0x3F, 0x19, 0xD2, 0x6B, 0x40, 0x71}},
    .interface_id = {0x7A41C0E4, 0x2B9D, 0x4C61, {0x8E, 0x05, 0x3F, 0x19, 0xD2, 0x6B, 0x40, 0x71}},
};

const DieWindowData kW20FormData{
    .window = kW20Form,
    .caption = "20er Tessel",
    .link_topic = "Form1",
    .keeps_flag_3e = false,
    .client_width = 3360,
    .buttons_left = 2100,
    .roll_tab_index = 1,
    .close_tab_index = 0,
    .close_tool_tip = "  Ahem,  ist zum BEENDEN gedacht, steht doch da ... ",
    .strip_name = "Image1",
    .strip_picture = &resources::LongStripFile,
    .strip_width = 1485,
    .credit_name = "W6Over",
    .credit_left = 1725,
    .credit_width = 1485,
    .credit_tab_index = 3,
    .credit_auto_size = true,
    .credit_in_window_colours = false,
    .result_initial = "00",
    .result_width = 1965,
    .result_tab_index = 2,
    .result_font_size = 720000,
    .order = {Role::kRoll, Role::kClose, Role::kStrip, Role::kCredit, Role::kResult},
    .window_id = {0x1E6F2B95, 0x8A30, 0x47D2, {0xA1, 0x7C, 0x55, 0x0B, 0xE9, 0x24, 0x3D, 0x86}},
    .interface_id = {0x1E6F2B96, 0x8A30, 0x47D2, {0xA1, 0x7C, 0x55, 0x0B, 0xE9, 0x24, 0x3D, 0x86}},
};

}  // namespace tessel::dice
