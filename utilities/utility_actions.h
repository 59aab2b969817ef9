// The counter's conveniences: the desktop calculator, the client print folder, always on top
// and the self-service notice.
#pragma once

#include "app/window.h"

namespace utilities {

app::Result CalculatorClick(app::Window& window, const app::EventArgs& args);           // 按钮1
app::Result OpenFolderLeftButtonDown(app::Window& window, const app::EventArgs& args);  // 透明标签4
app::Result AlwaysOnTopClick(app::Window& window, const app::EventArgs& args);      // 选择框2
app::Result NoticeLeftButtonDown(app::Window& window, const app::EventArgs& args);  // 透明标签3

}  // namespace utilities
