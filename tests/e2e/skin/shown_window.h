// The real main window, built in this process by the program's own code, given its start state by
// the program's WindowReady handler (the skin of style 1 included) and shown. The skin is thread
// wide; every test ends with the system's look again.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/win32/desktop.h"
#include "app/win32/skin_palette.h"
#include "tests/e2e/skin/pixels.h"

namespace skin_test {

// The frame colour the counter's skin is known by.
inline constexpr COLORREF kBlueGrey = RGB(123, 158, 189);

// Handles the messages that are due and paints whatever waits to be painted in `window`.
void Settle(HWND window);

// One of the frame colours, enabled or disabled, of any of the skin's styles.
bool IsSkinFrame(COLORREF colour);

win32::SkinPalette PaletteOf(int style);

class SkinTest : public testing::Test {
 protected:
  void TearDown() override;
};

class ShownWindow : public SkinTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  win32::Desktop& desktop() { return *desktop_; }
  HWND Main() const { return desktop_->Main(); }
  HWND Handle(app::Control control) const { return desktop_->Handle(control); }
  // The control as it is painted once everything pending has been painted.
  Pixels Look(app::Control control) const;

 private:
  std::unique_ptr<win32::Desktop> desktop_;
};

}  // namespace skin_test
