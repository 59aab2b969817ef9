// quorvane.exe: the counter window on the Win32 desktop.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/desktop.h"
#include "app/win32/fatal.h"
#include "app/win32/input.h"
#include "app/win32/main_window.h"
#include "pricing/amount_arithmetic.h"

namespace {

void InitialiseControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

// Dispatches until the quit message that follows the main window's end; returns its code.
int RunMessageLoop(win32::Desktop& desktop) {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) win32::FatalError(L"消息循环出错，程序无法继续运行。");
    if (!win32::TakeInput(desktop, message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // A modal loop that ran inside this message (the system's window move does) may have taken
    // the quit message when the window closed meanwhile; the program ends with its window.
    if (!IsWindow(desktop.Main())) return 0;
  }
}

int Run(HINSTANCE instance, int show) {
  InitialiseControls();
  if (const std::wstring problem = win32::FormProblem(); !problem.empty()) {
    win32::FatalError(L"窗体无法读取：" + problem);
  }
  pricing::ResetFloatingPoint();
  win32::Desktop desktop(instance);
  if (!desktop.Build(win32::MainWindowProcedure)) {
    win32::FatalError(L"主窗口无法创建，程序无法启动。");
  }
  desktop.Raise(std::nullopt, app::Event::WindowReady);
  ShowWindow(desktop.Main(), show);
  UpdateWindow(desktop.Main());
  return RunMessageLoop(desktop);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  win32::TreatAllocationFailureAsFatal();
  return win32::Guarded([&] { return Run(instance, show); });
}
