// Three fee slots that set a computed print charge aside with a remark. A save button fills an
// empty slot; a right click on the slot's caption empties it.
#pragma once

#include "app/window.h"

namespace totals {

app::Result SaveSlot1Click(app::Window& window, const app::EventArgs& args);             // 按钮3
app::Result SaveSlot2Click(app::Window& window, const app::EventArgs& args);             // 按钮4
app::Result SaveSlot3Click(app::Window& window, const app::EventArgs& args);             // 按钮5
app::Result EmptySlot1RightButtonDown(app::Window& window, const app::EventArgs& args);  // 标签8
app::Result EmptySlot2RightButtonDown(app::Window& window, const app::EventArgs& args);  // 标签10
app::Result EmptySlot3RightButtonDown(app::Window& window, const app::EventArgs& args);  // 标签12

}  // namespace totals
