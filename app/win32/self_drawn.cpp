#include "app/win32/self_drawn.h"

namespace win32 {

std::optional<LRESULT> DrawItself(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  PaintFunction paint, RepaintFunction repaint,
                                  const ControlColours& colours) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT painting;
      HDC dc = BeginPaint(window, &painting);
      paint(window, dc, colours);
      EndPaint(window, &painting);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(window, reinterpret_cast<HDC>(wparam), colours);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      repaint(window);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace win32
