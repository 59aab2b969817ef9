#include "app/win32/main_window.h"

#include "app/win32/desktop.h"
#include "app/win32/fatal.h"

namespace win32 {
namespace {

Desktop* DesktopOf(HWND window) {
  return reinterpret_cast<Desktop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool IsClickable(app::Control control) {
  const app::Kind kind = app::FormOf(control).kind;
  return kind == app::Kind::按钮 || kind == app::Kind::选择框;
}

// A check box has toggled its own mark before it notifies, so the handler reads the new state.
void OnCommand(Desktop& desktop, WPARAM wparam, LPARAM lparam) {
  const auto control = desktop.ControlOf(reinterpret_cast<HWND>(lparam));
  if (control && HIWORD(wparam) == BN_CLICKED && IsClickable(*control)) {
    desktop.Raise(*control, app::Event::Click);
  }
}

void OnTimer(Desktop& desktop, WPARAM timer) {
  const int index = static_cast<int>(timer) - app::kFirstControlId;
  if (index < 0 || index >= app::kControlCount) return;
  const app::Control control = app::ControlAt(index);
  if (app::FormOf(control).kind == app::Kind::时钟) desktop.Raise(control, app::Event::TimerTick);
}

LRESULT OnControlColour(Desktop& desktop, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND control_window = reinterpret_cast<HWND>(lparam);
  const auto control = desktop.ControlOf(control_window);
  HBRUSH brush =
      control ? desktop.Colours().Prepare(reinterpret_cast<HDC>(wparam), *control, control_window)
              : nullptr;
  return brush ? reinterpret_cast<LRESULT>(brush) : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT OnActivate(Desktop& desktop, HWND window, WPARAM wparam, LPARAM lparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    desktop.RememberFocus();
  } else if (!HIWORD(wparam) && desktop.RestoreFocus()) {
    return 0;
  }
  return DefWindowProcW(window, WM_ACTIVATE, wparam, lparam);
}

LRESULT Handle(Desktop& desktop, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(desktop, wparam, lparam);
      return 0;
    case WM_TIMER:
      OnTimer(desktop, wparam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(desktop, window, message, wparam, lparam);
    case WM_CLOSE:
      if (desktop.MayClose()) DestroyWindow(window);
      return 0;
    case WM_QUERYENDSESSION:
      return desktop.MayClose() ? TRUE : FALSE;
    case WM_ACTIVATE:
      return OnActivate(desktop, window, wparam, lparam);
    case WM_SETFOCUS:
      desktop.RestoreFocus();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return Guarded([&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* desktop =
          static_cast<Desktop*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(desktop));
      desktop->Attach(window);
    }
    Desktop* desktop = DesktopOf(window);
    return desktop ? Handle(*desktop, window, message, wparam, lparam)
                   : DefWindowProcW(window, message, wparam, lparam);
  });
}

}  // namespace win32
