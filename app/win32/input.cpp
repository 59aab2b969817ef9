#include "app/win32/input.h"

#include "app/win32/desktop.h"
#include "app/win32/keys.h"

namespace win32 {
namespace {

bool IsOurs(const Desktop& desktop, HWND window) {
  return window == desktop.Main() || desktop.ControlOf(window).has_value();
}

bool TakeKeyDown(Desktop& desktop, const MSG& message) {
  if (message.wParam == VK_TAB && GetKeyState(VK_MENU) >= 0) {
    desktop.MoveFocusAlongTabs(GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  const auto control = desktop.ControlOf(message.hwnd);
  if (!control) return false;
  const app::EventArgs args{.key_code = KeyCodeOf(message.wParam), .shift = ModifierState()};
  return desktop.Raise(*control, app::Event::KeyDown, args) == app::Result::False;
}

// Moves the window with the mouse exactly as a press on its caption would.
void DragWindow(Desktop& desktop, const MSG& message) {
  ReleaseCapture();
  SendMessageW(desktop.Main(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
}

// A press on the background may lie over a disabled control, which passes its presses to its
// parent; such a press is no press on the background and does nothing.
bool IsOverDisabledControl(const Desktop& desktop, POINT screen_point) {
  HWND window = desktop.Main();
  for (;;) {
    POINT point = screen_point;
    ScreenToClient(window, &point);
    HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) return false;
    if (!IsWindowEnabled(child)) return true;
    window = child;
  }
}

bool IsDraggingKind(app::Kind kind) {
  return kind == app::Kind::标签 || kind == app::Kind::分组框;
}

bool TakeLeftPress(Desktop& desktop, const MSG& message, bool first_press) {
  if (message.hwnd == desktop.Main()) {
    if (!IsOverDisabledControl(desktop, message.pt)) DragWindow(desktop, message);
    return true;
  }
  const auto control = desktop.ControlOf(message.hwnd);
  if (!control) return false;
  if (IsDraggingKind(app::FormOf(*control).kind)) {
    DragWindow(desktop, message);
    return true;
  }
  // The second press of a double-click raises nothing.
  if (!first_press) return false;
  const app::EventArgs args{.x = LOWORD(message.lParam),
                            .y = HIWORD(message.lParam),
                            .key_state = MouseKeyState(message.wParam)};
  return desktop.Raise(*control, app::Event::LeftButtonDown, args) == app::Result::False;
}

bool TakeRightPress(Desktop& desktop, const MSG& message) {
  const auto control = desktop.ControlOf(message.hwnd);
  if (!control) return false;
  const app::EventArgs args{.x = LOWORD(message.lParam),
                            .y = HIWORD(message.lParam),
                            .key_state = MouseKeyState(message.wParam)};
  return desktop.Raise(*control, app::Event::RightButtonDown, args) == app::Result::False;
}

}  // namespace

bool TakeInput(Desktop& desktop, const MSG& message) {
  if (!IsOurs(desktop, message.hwnd)) return false;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return TakeKeyDown(desktop, message);
    case WM_CHAR:
      // Tab is never typed into a box, not even as Ctrl+I.
      return message.wParam == L'\t';
    case WM_LBUTTONDOWN:
      return TakeLeftPress(desktop, message, true);
    case WM_LBUTTONDBLCLK:
      return TakeLeftPress(desktop, message, false);
    case WM_RBUTTONDOWN:
      return TakeRightPress(desktop, message);
  }
  return false;
}

}  // namespace win32
