// The unit price presets: 选择框5 (black and white), 选择框6 (colour) and 选择框1 (double-sided)
// set the price in 编辑框6, or leave it free for a price the operator types.
#pragma once

#include "app/window.h"

#include <string_view>

namespace pricing {

// The single-sided black-and-white price, the one the counter starts with.
inline constexpr std::string_view kBlackWhitePrice = "0.60";

// The preset price state of 编辑框6: the price in black, the box closed to typing.
void ShowPresetPrice(app::Window& window, std::string_view price);

app::Result DefaultPriceClick(app::Window& window, const app::EventArgs& args);       // 选择框5
app::Result ColourPriceClick(app::Window& window, const app::EventArgs& args);        // 选择框6
app::Result DoubleSidedClick(app::Window& window, const app::EventArgs& args);        // 选择框1
app::Result PriceBoxLeftButtonDown(app::Window& window, const app::EventArgs& args);  // 编辑框6
app::Result PriceBoxKeyDown(app::Window& window, const app::EventArgs& args);         // 编辑框6

}  // namespace pricing
