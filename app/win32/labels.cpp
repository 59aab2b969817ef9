#include "app/win32/labels.h"

#include <commctrl.h>

#include "app/form.h"
#include "app/win32/colours.h"
#include "app/win32/self_drawn.h"
#include "app/win32/text.h"

namespace win32 {
namespace {

constexpr UINT_PTR kLabelSubclass = 1;

app::Control LabelControl(HWND label) {
  return app::ControlAt(GetDlgCtrlID(label) - app::kFirstControlId);
}

UINT DrawTextFlags(const app::ControlForm& form) {
  if (form.word_wrap) return DT_NOPREFIX | DT_WORDBREAK | DT_TOP | DT_LEFT;
  return DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER |
         (form.align == app::Align::Centre ? DT_CENTER : DT_LEFT);
}

void Paint(HWND label, HDC dc, const ControlColours& colours) {
  const app::Control control = LabelControl(label);
  const app::ControlForm& form = app::FormOf(control);
  RECT area;
  GetClientRect(label, &area);
  if (form.kind == app::Kind::标签) FillRect(dc, &area, colours.Background(control));
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.TextColour(control));
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  const std::wstring text = WindowTextOf(label);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DrawTextFlags(form));
  RestoreDC(dc, saved);
}

// What lies beneath a transparent label is drawn by the windows under it: the main window's
// background, a group box's frame. They repaint that rectangle, and the label on top of it.
void RepaintBeneath(HWND label) {
  HWND top = GetAncestor(label, GA_ROOT);
  RECT area;
  GetWindowRect(label, &area);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A label shows a new text at once; a transparent one has what lies beneath repainted first.
void RepaintText(HWND label) {
  if (app::FormOf(LabelControl(label)).kind == app::Kind::透明标签) {
    RepaintBeneath(label);
  } else {
    InvalidateRect(label, nullptr, FALSE);
  }
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR data) {
  const auto& colours = *reinterpret_cast<const ControlColours*>(data);
  if (const auto drawn = DrawItself(label, message, wparam, lparam, Paint, RepaintText, colours)) {
    return *drawn;
  }
  switch (message) {
    case WM_NCHITTEST:
      return HTCLIENT;  // a static control would pass its presses on to its parent
    case WM_NCDESTROY:
      RemoveWindowSubclass(label, LabelProc, kLabelSubclass);
      break;
  }
  return DefSubclassProc(label, message, wparam, lparam);
}

}  // namespace

void DrawLabelItself(HWND label, const ControlColours& colours) {
  SetWindowSubclass(label, LabelProc, kLabelSubclass, reinterpret_cast<DWORD_PTR>(&colours));
}

}  // namespace win32
