#include "tests/e2e/skin/shown_window.h"

#include <stdexcept>

#include "app/win32/main_window.h"
#include "app/win32/skin.h"

namespace skin_test {
namespace {

// The quit message that a destroyed main window posts is not for the test program.
void DropPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace

void Settle(HWND window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

win32::SkinPalette PaletteOf(int style) {
  const auto palette = win32::SkinPaletteOf(style);
  if (!palette) throw std::invalid_argument("no such style");
  return *palette;
}

bool IsSkinFrame(COLORREF colour) {
  for (int style = 1; style <= 3; ++style) {
    const win32::SkinPalette palette = PaletteOf(style);
    if (colour == palette[win32::Ink::Frame] || colour == palette[win32::Ink::FrameDisabled]) {
      return true;
    }
  }
  return false;
}

void SkinTest::TearDown() {
  win32::ApplySkin(0);
  DropPendingMessages();
}

void ShownWindow::SetUp() {
  desktop_ = std::make_unique<win32::Desktop>(GetModuleHandleW(nullptr));
  ASSERT_TRUE(desktop_->Build(win32::MainWindowProcedure));
  desktop_->Raise(std::nullopt, app::Event::WindowReady);
  ShowWindow(Main(), SW_SHOW);
  SetForegroundWindow(Main());
  Settle(Main());
}

void ShownWindow::TearDown() {
  if (desktop_ && IsWindow(Main())) DestroyWindow(Main());
  SkinTest::TearDown();
}

Pixels ShownWindow::Look(app::Control control) const {
  Settle(Main());
  return Pixels::FromWindowDc(Handle(control));
}

}  // namespace skin_test
