// The main window's procedure: the notifications of its controls become Click events, its timers
// TimerTick, every close request and the session-end question CloseQuery; it answers the
// controls' colour questions and keeps the focus where the operator left it.
#pragma once

#include <windows.h>

namespace win32 {

// Expects the Desktop as the window's creation data.
LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace win32
