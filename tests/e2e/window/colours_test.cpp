// What the window looks like, read from the screen: the form's text and background colours, and
// a transparent label whose text changes leaves nothing of the old text behind.
#include "app/form.h"
#include "tests/e2e/driver/screen.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

struct ColourCase {
  app::Control control;
  COLORREF colour;
  const char* what;
};

class FormColours : public RunningWindow, public testing::WithParamInterface<ColourCase> {};

// Some pixels of the control show the colour: the strokes of its text. The window paints after
// it shows, so the screen is read until they appear.
TEST_P(FormColours, ShowOnTheScreen) {
  const ColourCase& colour = GetParam();
  HWND window = app().Find(colour.control);
  EXPECT_TRUE(WaitUntil([&] { return Screenshot(window).Count(colour.colour) > 0; }))
      << NameOf(colour.control) << ": no pixel shows its " << colour.what;
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Controls, FormColours,
                         testing::Values(ColourCase{分组框1, 0xFF0000, "blue caption"},
                                         ColourCase{分组框2, 0x0080FF, "orange caption"},
                                         ColourCase{标签7, 0x0000FF, "red text"},
                                         ColourCase{标签15, 0xFF00FF, "magenta text"},
                                         ColourCase{标签16, 0xFF0000, "blue text"},
                                         ColourCase{透明标签3, 0x00E080, "light green text"},
                                         ColourCase{透明标签2, 0xFF8800, "bright blue text"},
                                         ColourCase{透明标签1, 0x0080FF, "orange text"},
                                         ColourCase{透明标签4, 0xFF8800, "bright blue text"},
                                         ColourCase{选择框2, 0x0080FF, "orange caption"}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(RunningWindow, TheGrandTotalIsTheOnlyYellowBox) {
  for (const app::ControlForm& form : app::Controls()) {
    if (form.kind != app::Kind::编辑框 || !form.visible) continue;
    if (form.control == 编辑框6) continue;  // disabled: the system's greyed look
    const COLORREF expected = form.control == 编辑框14 ? 0x00FFFF : 0xFFFFFF;
    // Just inside the sunken edge, where no text is drawn; read until the box has painted.
    HWND box = app().Find(form.control);
    COLORREF inside = 0;
    EXPECT_TRUE(WaitUntil([&] {
      inside = Screenshot(box).At(4, 4);
      return inside == expected;
    })) << NameOf(form.control)
        << ": expected 0x" << std::hex << expected << ", seen 0x" << inside;
  }
  CloseNormally();
}

TEST_F(RunningWindow, ATransparentLabelLeavesNothingOfItsOldText) {
  HWND label = app().Find(透明标签1);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_TRUE(WaitUntil([&] {
    const Screenshot shot(label);
    return shot.Count(face) < shot.Size();
  })) << "no text to begin with";
  DWORD_PTR done = 0;
  SendMessageTimeoutW(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_ABORTIFHUNG,
                      kPatienceMs, &done);
  int face_pixels = 0;
  EXPECT_TRUE(WaitUntil([&] {
    const Screenshot shot(label);
    face_pixels = shot.Count(face);
    return face_pixels == shot.Size();
  })) << "after the text was emptied, "
      << Screenshot(label).Size() - face_pixels << " pixels are not the background";
  CloseNormally();
}

}  // namespace
}  // namespace e2e
