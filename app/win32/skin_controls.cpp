#include "app/win32/skin_controls.h"

#include <commctrl.h>
#include <richedit.h>

#include "app/win32/skin_draw.h"
#include "app/win32/skin_palette.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSkinSubclass = 0x534B;  // apart from the labels' and group boxes' own

const SkinTools& ToolsOf(DWORD_PTR data) {
  return *reinterpret_cast<const SkinTools*>(data);
}

void Paint(HWND button, WPARAM given_dc, const SkinTools& tools) {
  if (given_dc) {
    PaintSkinnedButton(button, reinterpret_cast<HDC>(given_dc), tools);
    return;
  }
  PAINTSTRUCT painting;
  HDC dc = BeginPaint(button, &painting);
  PaintSkinnedButton(button, dc, tools);
  EndPaint(button, &painting);
}

// The button class paints some changes of state at once, bypassing WM_PAINT, in the system's
// look. While it handles them the button is marked as not to be drawn; then the skin paints it.
// A group box is left out: marking it would hide the controls inside it too.
LRESULT WithoutSystemDrawing(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  const bool lock = (style & WS_VISIBLE) && (style & BS_TYPEMASK) != BS_GROUPBOX;
  if (lock) DefWindowProcW(button, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
  if (!IsWindow(button)) return result;
  if (lock) DefWindowProcW(button, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return result;
}

LRESULT CALLBACK ButtonSkinProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(button, ButtonSkinProc, kSkinSubclass);
    return DefSubclassProc(button, message, wparam, lparam);
  }
  // The style can change after creation: an owner-drawn button draws itself.
  if (!IsSkinnedButtonType(GetWindowLongPtrW(button, GWL_STYLE))) {
    return DefSubclassProc(button, message, wparam, lparam);
  }
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      Paint(button, wparam, ToolsOf(data));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted with the rest; a group box's inside shows what lies beneath
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
      return WithoutSystemDrawing(button, message, wparam, lparam);
  }
  return DefSubclassProc(button, message, wparam, lparam);
}

LRESULT CALLBACK BorderSkinProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                DWORD_PTR data) {
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, BorderSkinProc, kSkinSubclass);
      break;
    case WM_NCPAINT: {
      // The scroll bars are the system's; the edge it drew around them is painted over.
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      RepaintSkinnedBorder(window, ToolsOf(data));
      return result;
    }
    case WM_PRINT: {
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      if (lparam & PRF_NONCLIENT) {
        PaintSkinnedBorder(window, reinterpret_cast<HDC>(wparam), ToolsOf(data));
      }
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      // The inner ring shows the focus, the frame and the inside whether the box is enabled.
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      if (IsWindow(window) && IsWindowVisible(window)) RepaintSkinnedBorder(window, ToolsOf(data));
      return result;
    }
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// The standard classes whose sunken edge or border the skin replaces.
constexpr const wchar_t* kBorderedClasses[] = {WC_EDITW,     WC_LISTBOXW,     WC_LISTVIEWW,
                                               WC_TREEVIEWW, RICHEDIT_CLASSW, MSFTEDIT_CLASS};

bool HasSkinnedBorder(HWND window) {
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) return false;
  for (const wchar_t* name : kBorderedClasses) {
    if (IsOfClass(window, name)) return true;
  }
  return false;
}

}  // namespace

void SkinWindow(HWND window, const SkinTools& tools) {
  const auto data = reinterpret_cast<DWORD_PTR>(&tools);
  if (IsOfClass(window, WC_BUTTONW)) {
    SetWindowSubclass(window, ButtonSkinProc, kSkinSubclass, data);
  } else if (HasSkinnedBorder(window)) {
    SetWindowSubclass(window, BorderSkinProc, kSkinSubclass, data);
  }
}

void UnskinWindow(HWND window) {
  RemoveWindowSubclass(window, ButtonSkinProc, kSkinSubclass);
  RemoveWindowSubclass(window, BorderSkinProc, kSkinSubclass);
}

}  // namespace win32
