// Builds the main window and its controls from the form, all hidden: the window centred on the
// screen with its fixed frame, then every control as a child of its parent with its place, size,
// text, font and settings, stacked in the form's order, and finally the visible controls shown
// without activation.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/form.h"

namespace win32 {

class ControlColours;
class Fonts;

inline constexpr wchar_t kMainWindowClass[] = L"QuorvaneMainWindow";
inline constexpr int kIconResource = 1;

struct BuiltWindow {
  HWND main = nullptr;                              // null when the window could not be built
  std::array<HWND, app::kControlCount> controls{};  // null for controls without a window
};

// What makes the form unusable for building the window, or empty when it is sound.
std::wstring FormProblem();

// The window's outer top-left corner: centred, each half rounded toward zero.
POINT CentredOrigin(SIZE screen, SIZE window);

// A one-line edit box is never lower than its font's line height plus both edges.
int OneLineEditHeight(int form_height, int line_height, int edge_height);

// The main window procedure receives `creation_data` with its WM_NCCREATE.
BuiltWindow BuildMainWindow(HINSTANCE instance, WNDPROC main_procedure, void* creation_data,
                            Fonts& fonts, const ControlColours& colours);

}  // namespace win32
