// The unit price presets: 选择框5 (black and white), 选择框6 (colour) and 选择框1 (double-sided)
// set the price in 编辑框6, or leave it free for a price the operator types.
#pragma once

#include "app/window.h"

namespace pricing {

app::Result DefaultPriceClick(app::Window& window, const app::EventArgs& args);       // 选择框5
app::Result ColourPriceClick(app::Window& window, const app::EventArgs& args);        // 选择框6
app::Result DoubleSidedClick(app::Window& window, const app::EventArgs& args);        // 选择框1
app::Result PriceBoxLeftButtonDown(app::Window& window, const app::EventArgs& args);  // 编辑框6
app::Result PriceBoxKeyDown(app::Window& window, const app::EventArgs& args);         // 编辑框6

}  // namespace pricing
