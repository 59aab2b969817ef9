#include "app/win32/group_boxes.h"

#include <commctrl.h>

#include "app/form.h"
#include "app/win32/colours.h"
#include "app/win32/self_drawn.h"
#include "app/win32/skin_draw.h"

namespace win32 {
namespace {

constexpr UINT_PTR kGroupSubclass = 1;

void Paint(HWND group, HDC dc, const ControlColours& colours) {
  const app::Control control = app::ControlAt(GetDlgCtrlID(group) - app::kFirstControlId);
  DrawGroupBox(group, dc, colours.TextColour(control), colours.Background(control), nullptr);
}

void RepaintText(HWND group) {
  InvalidateRect(group, nullptr, FALSE);
}

LRESULT CALLBACK GroupProc(HWND group, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR data) {
  const auto& colours = *reinterpret_cast<const ControlColours*>(data);
  // The inside is not erased: it shows the main window's background.
  if (const auto drawn = DrawItself(group, message, wparam, lparam, Paint, RepaintText, colours)) {
    return *drawn;
  }
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return SendMessageW(GetAncestor(group, GA_ROOT), message, wparam, lparam);
    case WM_NCDESTROY:
      RemoveWindowSubclass(group, GroupProc, kGroupSubclass);
      break;
  }
  return DefSubclassProc(group, message, wparam, lparam);
}

}  // namespace

void TakeOverGroupBox(HWND group, const ControlColours& colours) {
  SetWindowSubclass(group, GroupProc, kGroupSubclass, reinterpret_cast<DWORD_PTR>(&colours));
}

}  // namespace win32
