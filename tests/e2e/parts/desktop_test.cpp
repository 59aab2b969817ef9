// The desktop as the handlers meet it, built hidden in this process: a handler finds the
// floating-point unit as the amount arithmetic needs it, whatever other code left it in.
#include <gtest/gtest.h>

#include <memory>

#include "app/win32/desktop.h"
#include "app/win32/main_window.h"

namespace win32 {
namespace {

using enum app::Control;

class HiddenDesktop : public testing::Test {
 protected:
  void SetUp() override {
    desktop_ = std::make_unique<Desktop>(GetModuleHandleW(nullptr));
    ASSERT_TRUE(desktop_->Build(MainWindowProcedure));
  }
  void TearDown() override {
    if (desktop_->Main()) DestroyWindow(desktop_->Main());
    MSG message;  // the quit message the window's end posts is not for this test program
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  std::unique_ptr<Desktop> desktop_;
};

void SetX87ControlWord(unsigned short control_word) {
  __asm__ volatile("fldcw %0" : : "m"(control_word));
}

TEST_F(HiddenDesktop, AHandlerComputesAtTheFullPrecisionWhateverTheUnitWasLeftIn) {
  // The six addends of the grand total: kept at a 64-bit significand the ones survive, at 53
  // bits they are lost against 1e17.
  const std::pair<app::Control, const char*> addends[] = {{编辑框8, "1e17"}, {编辑框9, "1"},
                                                          {编辑框10, "1"},   {编辑框11, "1"},
                                                          {编辑框12, "1"},   {编辑框13, "-1e17"}};
  for (const auto& [box, text] : addends) desktop_->SetText(box, text);
  SetX87ControlWord(0x27F);  // 53-bit precision, as a foreign DLL might leave it
  desktop_->Raise(按钮6, app::Event::Click);
  EXPECT_EQ(desktop_->Text(编辑框14), "4");
}

}  // namespace
}  // namespace win32
