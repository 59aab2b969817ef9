#include "app/win32/group_boxes.h"

#include <commctrl.h>

#include <algorithm>

#include "app/form.h"
#include "app/win32/colours.h"
#include "app/win32/self_drawn.h"
#include "app/win32/text.h"

namespace win32 {
namespace {

constexpr UINT_PTR kGroupSubclass = 1;
constexpr int kCaptionIndent = 8;  // from the frame's left edge to the caption's text

// The caption stands on the frame's top edge, which runs through the middle of its line.
void Paint(HWND group, HDC dc, const ControlColours& colours) {
  const app::Control control = app::ControlAt(GetDlgCtrlID(group) - app::kFirstControlId);
  const int saved = SaveDC(dc);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(group, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT area;
  GetClientRect(group, &area);
  RECT frame = area;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring caption = WindowTextOf(group);
  if (!caption.empty()) {
    RECT text{area.left + kCaptionIndent, area.top, area.right - kCaptionIndent,
              area.top + metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    text.right = std::min(text.right, area.right - kCaptionIndent);
    RECT gap{text.left - 2, text.top, text.right + 2, text.bottom};
    FillRect(dc, &gap, colours.Background(control));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.TextColour(control));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  }
  RestoreDC(dc, saved);
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
