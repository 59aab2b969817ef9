#include "app/win32/skin_draw.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/win32/skin_palette.h"
#include "app/win32/text.h"

namespace win32 {
namespace {

constexpr int kCaptionIndent = 8;   // group box: from the frame's left edge to the caption
constexpr int kBoxSize = 13;        // check box and radio button, the system's size
constexpr int kBoxGap = 4;          // from the box to its caption
constexpr int kCaptionPadding = 2;  // push button: between the focus ring and the caption

// Gives the DC back as it was found, whatever was selected into it meanwhile.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

struct ButtonLook {
  LONG_PTR type = 0;  // the BS_TYPEMASK part of the style
  bool push_like = false;
  bool box_right = false;  // BS_LEFTTEXT: the caption before the box
  bool multi_line = false;
  bool enabled = true;
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool default_button = false;
  LRESULT check = BST_UNCHECKED;
};

ButtonLook LookOf(HWND button) {
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
  ButtonLook look;
  look.type = style & BS_TYPEMASK;
  look.push_like = (style & BS_PUSHLIKE) != 0;
  look.box_right = (style & BS_LEFTTEXT) != 0;
  look.multi_line = (style & BS_MULTILINE) != 0;
  look.enabled = IsWindowEnabled(button);
  look.pressed = (state & BST_PUSHED) != 0;
  look.hot = (state & BST_HOT) != 0;
  look.focused = (state & BST_FOCUS) != 0 || GetFocus() == button;
  look.default_button = look.type == BS_DEFPUSHBUTTON;
  look.check = state & (BST_CHECKED | BST_INDETERMINATE);
  return look;
}

bool IsRadio(LONG_PTR type) {
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

HFONT FontOf(HWND window) {
  auto* font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Asks the control's owner for its colours exactly as the control itself would: the answer sets
// the text and background colours of `dc` and hands back the background brush.
HBRUSH AskOwnerForColours(HWND control, HDC dc, UINT question) {
  HWND owner = GetParent(control);
  auto* brush =
      owner ? reinterpret_cast<HBRUSH>(SendMessageW(owner, question, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(control)))
            : nullptr;
  if (brush) return brush;
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

// Outlines `rect` with `pen` and fills it with `brush` (none: left as it is).
void DrawShape(HDC dc, const RECT& rect, HPEN pen, HBRUSH brush, int corner) {
  SelectObject(dc, pen);
  SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
  if (corner > 0) {
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner, corner);
  } else {
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
}

// Mnemonic underlines show only once the keyboard is in use, as the system's controls do it.
UINT PrefixFlags(HWND control) {
  return (SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

// Draws the control's caption in the DC's text colour within `area`, aligned by `align`
// (DT_LEFT or DT_CENTER) and vertically centred; returns where the text landed.
RECT DrawCaption(HWND control, HDC dc, const RECT& area, UINT align, bool multi_line) {
  const std::wstring caption = WindowTextOf(control);
  if (caption.empty()) return RECT{area.left, area.top, area.left, area.top};
  SelectObject(dc, FontOf(control));
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = align | PrefixFlags(control) | (multi_line ? DT_WORDBREAK : DT_SINGLELINE);
  const int length = static_cast<int>(caption.size());
  RECT measured = area;
  DrawTextW(dc, caption.c_str(), length, &measured, flags | DT_CALCRECT);
  const int width = std::min(measured.right - measured.left, area.right - area.left);
  const int height = std::min(measured.bottom - measured.top, area.bottom - area.top);
  const int left =
      align == DT_CENTER ? area.left + (area.right - area.left - width) / 2 : area.left;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  RECT place{left, top, left + width, top + height};
  DrawTextW(dc, caption.c_str(), length, &place, flags);
  return place;
}

Ink FrameInk(bool enabled) {
  return enabled ? Ink::Frame : Ink::FrameDisabled;
}

void PaintPushButton(HWND button, HDC dc, const ButtonLook& look, const SkinTools& tools) {
  RECT area;
  GetClientRect(button, &area);
  // Whatever lies outside rounded corners is the owner's background.
  FillRect(dc, &area, AskOwnerForColours(button, dc, WM_CTLCOLORBTN));
  const SkinPalette& palette = tools.Palette();
  const bool down = look.pressed || (look.push_like && look.check != BST_UNCHECKED);
  const Ink face = down ? Ink::FacePressed : (look.hot ? Ink::FaceHot : Ink::Face);
  DrawShape(dc, area, tools.Pen(FrameInk(look.enabled)), tools.Brush(face), palette.corner);
  RECT inside = area;
  InflateRect(&inside, -palette.frame_width, -palette.frame_width);
  if (look.enabled && (look.focused || look.default_button)) {
    DrawShape(dc, inside, tools.Pen(Ink::Focus), nullptr, palette.corner);
  }
  InflateRect(&inside, -1 - kCaptionPadding, -1 - kCaptionPadding);
  if (down) OffsetRect(&inside, 1, 1);
  SetTextColor(dc, tools.Colour(look.enabled ? Ink::Text : Ink::TextDisabled));
  DrawCaption(button, dc, inside, DT_CENTER, look.multi_line);
}

void DrawTick(HDC dc, const RECT& box, HPEN pen) {
  const int size = box.right - box.left;
  const POINT tick[] = {{box.left + size * 3 / 13, box.top + size * 6 / 13},
                        {box.left + size * 5 / 13, box.top + size * 9 / 13},
                        {box.left + size * 10 / 13, box.top + size * 3 / 13}};
  SelectObject(dc, pen);
  Polyline(dc, tick, 3);
}

// The box of a check box or the circle of a radio button, with its mark.
void DrawBox(HDC dc, const RECT& box, const ButtonLook& look, const SkinTools& tools) {
  const bool radio = IsRadio(look.type);
  DrawShape(dc, box, tools.Pen(FrameInk(look.enabled)),
            tools.Brush(look.pressed ? Ink::FacePressed : Ink::Box),
            radio ? box.right - box.left : 0);
  if (look.check == BST_UNCHECKED) return;
  const Ink mark = look.enabled ? Ink::Mark : Ink::FrameDisabled;
  RECT inner = box;
  InflateRect(&inner, -3, -3);
  if (radio) {
    DrawShape(dc, inner, static_cast<HPEN>(GetStockObject(NULL_PEN)), tools.Brush(mark),
              inner.right - inner.left);
  } else if (look.check == BST_INDETERMINATE) {
    FillRect(dc, &inner, tools.Brush(mark));
  } else {
    DrawTick(dc, box, tools.Pen(mark));
  }
}

void PaintCheckBox(HWND button, HDC dc, const ButtonLook& look, const SkinTools& tools) {
  RECT area;
  GetClientRect(button, &area);
  FillRect(dc, &area, AskOwnerForColours(button, dc, WM_CTLCOLORSTATIC));
  const COLORREF caption_colour = look.enabled ? GetTextColor(dc) : tools.Colour(Ink::TextDisabled);
  const int size = std::min<int>(kBoxSize, area.bottom - area.top);
  const int top = area.top + (area.bottom - area.top - size) / 2;
  const int left = look.box_right ? area.right - size : area.left;
  const RECT box{left, top, left + size, top + size};
  DrawBox(dc, box, look, tools);
  RECT text = area;
  if (look.box_right) {
    text.right = box.left - kBoxGap;
  } else {
    text.left = box.right + kBoxGap;
  }
  SetTextColor(dc, caption_colour);
  const RECT written = DrawCaption(button, dc, text, DT_LEFT, look.multi_line);
  if (!look.focused) return;
  RECT ring = written.right > written.left ? written : box;
  InflateRect(&ring, 1, 1);
  IntersectRect(&ring, &ring, &area);
  FrameRect(dc, &ring, tools.Brush(Ink::Focus));
}

void PaintGroupBox(HWND group, HDC dc, const ButtonLook& look, const SkinTools& tools) {
  HBRUSH background = AskOwnerForColours(group, dc, WM_CTLCOLORSTATIC);
  const COLORREF caption = look.enabled ? GetTextColor(dc) : tools.Colour(Ink::TextDisabled);
  DrawGroupBox(group, dc, caption, background, &tools);
}

// Width of the border around the client area: the top one, as the windows the skin frames have
// no caption and keep their scroll bars on the right and at the bottom.
int BorderThickness(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin.y - outer.top;
}

// The colour just inside the frame: the window's own background, asked as the window asks it.
HBRUSH InsideBrush(HWND window, HDC dc) {
  if (IsOfClass(window, WC_EDITW)) {
    const bool shown_static =
        !IsWindowEnabled(window) || (GetWindowLongPtrW(window, GWL_STYLE) & ES_READONLY) != 0;
    return AskOwnerForColours(window, dc, shown_static ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
  }
  if (IsOfClass(window, WC_LISTBOXW)) return AskOwnerForColours(window, dc, WM_CTLCOLORLISTBOX);
  return GetSysColorBrush(COLOR_WINDOW);
}

// Ring 0 is the frame; the innermost ring shows the focus; the rest are frame as wide as the
// style's frames are, then the window's background.
HBRUSH RingBrush(int ring, int thickness, bool enabled, bool focused, HBRUSH inside,
                 const SkinTools& tools) {
  if (ring > 0 && ring == thickness - 1 && focused && enabled) return tools.Brush(Ink::Focus);
  if (ring < tools.Palette().frame_width) return tools.Brush(FrameInk(enabled));
  return inside;
}

}  // namespace

bool IsOfClass(HWND window, const wchar_t* class_name) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, class_name) == 0;
}

bool IsSkinnedButtonType(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_GROUPBOX:
      return true;
  }
  return false;
}

void PaintSkinnedButton(HWND button, HDC dc, const SkinTools& tools) {
  const SavedDc saved(dc);
  const ButtonLook look = LookOf(button);
  if (look.type == BS_GROUPBOX) {
    PaintGroupBox(button, dc, look, tools);
  } else if (look.type == BS_PUSHBUTTON || look.type == BS_DEFPUSHBUTTON || look.push_like) {
    PaintPushButton(button, dc, look, tools);
  } else {
    PaintCheckBox(button, dc, look, tools);
  }
}

void PaintSkinnedBorder(HWND window, HDC window_dc, const SkinTools& tools) {
  const int thickness = BorderThickness(window);
  if (thickness <= 0) return;
  const SavedDc saved(window_dc);
  HBRUSH inside = InsideBrush(window, window_dc);
  const bool enabled = IsWindowEnabled(window);
  const bool focused = GetFocus() == window;
  RECT ring;
  GetWindowRect(window, &ring);
  OffsetRect(&ring, -ring.left, -ring.top);
  for (int i = 0; i < thickness; ++i) {
    FrameRect(window_dc, &ring, RingBrush(i, thickness, enabled, focused, inside, tools));
    InflateRect(&ring, -1, -1);
  }
}

void RepaintSkinnedBorder(HWND window, const SkinTools& tools) {
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  PaintSkinnedBorder(window, dc, tools);
  ReleaseDC(window, dc);
}

void DrawGroupBox(HWND group, HDC dc, COLORREF caption_colour, HBRUSH background,
                  const SkinTools* tools) {
  const SavedDc saved(dc);
  SelectObject(dc, FontOf(group));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT area;
  GetClientRect(group, &area);
  RECT frame = area;
  frame.top += metrics.tmHeight / 2;
  if (tools) {
    DrawShape(dc, frame, tools->Pen(FrameInk(IsWindowEnabled(group))), nullptr,
              tools->Palette().corner);
  } else {
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  }
  const std::wstring caption = WindowTextOf(group);
  if (caption.empty()) return;
  RECT text{area.left + kCaptionIndent, area.top, area.right - kCaptionIndent,
            area.top + metrics.tmHeight};
  const int length = static_cast<int>(caption.size());
  DrawTextW(dc, caption.c_str(), length, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  text.right = std::min(text.right, area.right - kCaptionIndent);
  RECT gap{text.left - 2, text.top, text.right + 2, text.bottom};
  FillRect(dc, &gap, background);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, caption_colour);
  DrawTextW(dc, caption.c_str(), length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

}  // namespace win32
