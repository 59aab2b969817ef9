// The main window's own handlers: its initial state and the closing guard.
#pragma once

#include "app/window.h"

namespace app {

// Skin style 1, 选择框5 ticked, the preset price "0.60", the timer running, focus in 编辑框5.
Result WindowReady(Window& window, const EventArgs& args);
// Puts 编辑框6 into the preset price state when 选择框5 is ticked.
void ApplyStartPrice(Window& window);
// Refuses to close, with a warning, while the notes box 编辑框2 holds any text at all.
Result CloseQuery(Window& window, const EventArgs& args);

}  // namespace app
