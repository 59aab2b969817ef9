// How the skinned window looks, read back from the window's own pixels: every standard control
// wears the flat frame while labels keep their own drawing, each state of a control shows, and
// applying styles in any order leaves exactly the last one in force.
#include <string>
#include <vector>

#include "app/form.h"
#include "app/win32/skin.h"
#include "app/win32/text.h"
#include "tests/e2e/skin/shown_window.h"

namespace skin_test {
namespace {

using enum app::Control;
using win32::Ink;

bool IsLabel(app::Kind kind) {
  return kind == app::Kind::标签 || kind == app::Kind::透明标签;
}

TEST_F(ShownWindow, EveryStandardControlWearsTheBlueGreyFrameAndLabelsKeepTheirOwnDrawing) {
  for (const app::ControlForm& form : app::Controls()) {
    HWND window = Handle(form.control);
    if (!window || !form.visible) continue;
    const Pixels look = Look(form.control);
    const std::string name(form.name.begin(), form.name.end());
    if (IsLabel(form.kind)) {
      EXPECT_FALSE(IsSkinFrame(look.LeftEdge())) << name << " is a label but wears a frame";
    } else if (IsWindowEnabled(window)) {
      EXPECT_EQ(look.LeftEdge(), kBlueGrey) << name;
    } else {
      EXPECT_EQ(look.LeftEdge(), PaletteOf(1)[Ink::FrameDisabled]) << name;
      EXPECT_EQ(look.At(4, 4), GetSysColor(COLOR_BTNFACE)) << name << " is not greyed";
    }
  }
}

// Which part of the control must look different once the state changed.
enum class Part { Whole, Box, Caption };

RECT AreaOf(Part part, const Pixels& look) {
  constexpr int kBoxEnd = 14;  // a check box's box and the pixel beside it
  switch (part) {
    case Part::Box:
      return RECT{0, 0, kBoxEnd, look.Height()};
    case Part::Caption:
      return RECT{kBoxEnd + 2, 0, look.Width(), look.Height()};
    case Part::Whole:
      break;
  }
  return RECT{0, 0, look.Width(), look.Height()};
}

struct StateCase {
  const char* what;
  app::Control control;
  void (*change)(HWND window);
  Part part;

  friend void PrintTo(const StateCase& state, std::ostream* out) { *out << state.what; }
};

void Press(HWND window) {
  SendMessageW(window, BM_SETSTATE, TRUE, 0);
}
void Focus(HWND window) {
  SetFocus(window);
}
void Disable(HWND window) {
  EnableWindow(window, FALSE);
}
void Tick(HWND window) {
  SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
}

class ControlStates : public ShownWindow, public testing::WithParamInterface<StateCase> {};

// The state shows in the skin's own drawing: the pixels change and the control still wears a
// frame of the skin, so the system did not paint its own look over it.
TEST_P(ControlStates, ShowInTheSkinsOwnDrawing) {
  const StateCase& state = GetParam();
  const Pixels before = Look(state.control);
  state.change(Handle(state.control));
  const Pixels after = Look(state.control);
  EXPECT_NE(after.Part(AreaOf(state.part, after)), before.Part(AreaOf(state.part, before)))
      << state.what << " looks as before";
  EXPECT_TRUE(IsSkinFrame(after.LeftEdge())) << state.what << ": the frame is gone";
}

INSTANTIATE_TEST_SUITE_P(
    Window, ControlStates,
    testing::Values(StateCase{"a pressed push button", 按钮2, Press, Part::Whole},
                    StateCase{"a focused push button", 按钮2, Focus, Part::Whole},
                    StateCase{"a disabled push button", 按钮2, Disable, Part::Whole},
                    StateCase{"a ticked check box", 选择框6, Tick, Part::Box},
                    StateCase{"a check box held down", 选择框6, Press, Part::Box},
                    StateCase{"a focused check box", 选择框6, Focus, Part::Caption},
                    StateCase{"a disabled check box", 选择框6, Disable, Part::Whole},
                    StateCase{"a focused edit box", 编辑框7, Focus, Part::Whole},
                    StateCase{"a disabled edit box", 编辑框7, Disable, Part::Whole}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(ShownWindow, ATickedBoxShowsATickInTheMarkColour) {
  const COLORREF mark = PaletteOf(1)[Ink::Mark];
  EXPECT_EQ(Look(选择框6).Count(mark), 0) << "a tick in a box that is not ticked";
  Tick(Handle(选择框6));
  // A tick is more than a dot: a few strokes two pixels wide.
  EXPECT_GE(Look(选择框6).Count(mark), 12);
}

struct StyleSequence {
  std::vector<int> styles;  // applied in this order after the start-up style 1

  friend void PrintTo(const StyleSequence& sequence, std::ostream* out) {
    *out << testing::PrintToString(sequence.styles);
  }
};

class StyleSequences : public ShownWindow, public testing::WithParamInterface<StyleSequence> {};

// The controls that represent every kind the skin draws.
constexpr app::Control kProbes[] = {按钮2, 选择框6, 分组框1, 编辑框7, 编辑框2};

TEST_P(StyleSequences, LeaveExactlyTheLastStyleInForce) {
  win32::ApplySkin(0);
  std::vector<COLORREF> system_look;
  for (app::Control probe : kProbes) system_look.push_back(Look(probe).LeftEdge());
  win32::ApplySkin(1);
  for (int style : GetParam().styles) win32::ApplySkin(style);

  const int last = GetParam().styles.back();
  const auto palette = win32::SkinPaletteOf(last);
  EXPECT_EQ(win32::SkinStyle(), palette ? last : 0);
  for (std::size_t i = 0; i < std::size(kProbes); ++i) {
    const COLORREF edge = Look(kProbes[i]).LeftEdge();
    const std::u8string_view name = app::FormOf(kProbes[i]).name;
    if (palette) {
      EXPECT_EQ(edge, (*palette)[Ink::Frame]) << std::string(name.begin(), name.end());
    } else {
      EXPECT_EQ(edge, system_look[i]) << std::string(name.begin(), name.end());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Window, StyleSequences,
                         testing::Values(StyleSequence{{1}}, StyleSequence{{1, 0}},
                                         StyleSequence{{1, 1, 0}}, StyleSequence{{2, 0}},
                                         StyleSequence{{2}}, StyleSequence{{3}},
                                         StyleSequence{{3, 1}}, StyleSequence{{2, 3, 7}},
                                         StyleSequence{{-1, 2}}, StyleSequence{{0, 0}}),
                         [](const auto& info) { return std::to_string(info.index); });

// What another program, a screen reader or the test driver reads from a control.
struct Report {
  std::wstring class_name;
  LONG_PTR style = 0;
  LONG_PTR ex_style = 0;
  std::wstring text;
  LRESULT check = 0;
  RECT window{};
  RECT client{};

  friend bool operator==(const Report& a, const Report& b) {
    return a.class_name == b.class_name && a.style == b.style && a.ex_style == b.ex_style &&
           a.text == b.text && a.check == b.check && EqualRect(&a.window, &b.window) &&
           EqualRect(&a.client, &b.client);
  }
};

Report ReportOf(HWND window) {
  Report report;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  report.class_name = name;
  report.style = GetWindowLongPtrW(window, GWL_STYLE);
  report.ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  report.text = win32::WindowTextOf(window);
  report.check = SendMessageW(window, BM_GETCHECK, 0, 0);
  GetWindowRect(window, &report.window);
  GetClientRect(window, &report.client);
  return report;
}

TEST_F(ShownWindow, TheSkinChangesNothingThatAControlReports) {
  std::vector<Report> skinned;
  for (const app::ControlForm& form : app::Controls()) {
    if (Handle(form.control)) skinned.push_back(ReportOf(Handle(form.control)));
  }
  for (int style : {0, 3}) {
    win32::ApplySkin(style);
    std::size_t at = 0;
    for (const app::ControlForm& form : app::Controls()) {
      if (!Handle(form.control)) continue;
      EXPECT_TRUE(ReportOf(Handle(form.control)) == skinned[at++])
          << std::string(form.name.begin(), form.name.end()) << " reports otherwise in style "
          << style;
    }
  }
}

}  // namespace
}  // namespace skin_test
