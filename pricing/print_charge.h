// The print charge (sheets × price per sheet, plus the layout fee when it is on) and the layout
// fee with its floor of 3.
#pragma once

#include "app/window.h"

namespace pricing {

app::Result PrintChargeClick(app::Window& window, const app::EventArgs& args);   // 按钮2
app::Result SheetCountKeyDown(app::Window& window, const app::EventArgs& args);  // 编辑框5
app::Result LayoutFeeClick(app::Window& window, const app::EventArgs& args);     // 选择框7
app::Result FeeFloorTick(app::Window& window, const app::EventArgs& args);       // 时钟1

}  // namespace pricing
