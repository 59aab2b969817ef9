// The grand total over the three fee slots and the three custom amounts.
#pragma once

#include "app/window.h"

namespace totals {

app::Result GrandTotalClick(app::Window& window, const app::EventArgs& args);  // 按钮6

}  // namespace totals
