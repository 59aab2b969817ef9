// The yardstick for quorvane.exe's start-up: an empty top-level window with the counter window's
// frame, size and place, built the same way (static, mingw-w64, Release). A typed character is
// appended to its title, so that another program can see that it has taken a key press.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kClass[] = L"QuorvaneEmptyWindow";
constexpr wchar_t kTitle[] = L"Empty window ";
constexpr int kWidth = 569;
constexpr int kHeight = 391;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR: {
      wchar_t title[256] = {};
      GetWindowTextW(window, title, 255);
      std::wstring typed = title;
      typed += static_cast<wchar_t>(wparam);
      SetWindowTextW(window, typed.c_str());
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClass;
  if (!RegisterClassExW(&window_class)) return -1;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, kClass, kTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                                kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return -1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
