// The desktop services the handlers call: an information box, starting a program, opening a
// folder. Texts arrive as GBK.
#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// A modal box owned by `owner`, one OK button and the information icon. Its modal loop keeps
// dispatching the thread's messages, so timers tick on meanwhile.
void ShowInfoBox(HWND owner, std::string_view text, std::string_view title);

// Starts a program without waiting for its end and gives it up to a second to become ready for
// input; true when it started. A bare program name is taken from the system directory only.
bool RunProgram(std::string_view command_line);

// Opens a folder in the desktop's file browser. A missing folder is neither reported nor made.
void OpenFolder(std::string_view path);

}  // namespace win32
