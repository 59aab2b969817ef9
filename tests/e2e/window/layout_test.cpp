// The live window against the form: every control's rectangle, its parent and its place in the
// stacking order, and the window's own frame, title, size and place on the screen.
#include <algorithm>
#include <string>
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

// The height of "吴" in the control's font, made here as the form describes it.
int LineHeightOf(const app::Font& font) {
  LOGFONTW log_font{};
  log_font.lfHeight = -font.height;
  log_font.lfWeight = font.weight;
  log_font.lfCharSet = DEFAULT_CHARSET;
  log_font.lfQuality = PROOF_QUALITY;
  MultiByteToWideChar(936, 0, font.face.data(), static_cast<int>(font.face.size()),
                      log_font.lfFaceName, LF_FACESIZE - 1);
  HFONT made = font.gui ? nullptr : CreateFontIndirectW(&log_font);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous =
      SelectObject(dc, made ? static_cast<HGDIOBJ>(made) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, L"吴", 1, &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  if (made) DeleteObject(made);
  return size.cy;
}

// Where the form puts a control in the main window's client area: a group box's children are
// placed relative to its rectangle, and a one-line edit box is at least a line of its font and
// both edges tall, growing downwards.
RECT ExpectedRect(const app::ControlForm& form) {
  int left = form.left;
  int top = form.top;
  if (form.parent) {
    left += app::FormOf(*form.parent).left;
    top += app::FormOf(*form.parent).top;
  }
  int height = form.height;
  if (form.kind == app::Kind::编辑框 && !form.multi_line) {
    height = std::max(height, LineHeightOf(form.font) + 2 * GetSystemMetrics(SM_CYEDGE));
  }
  return RECT{left, top, left + form.width, top + height};
}

TEST_F(RunningWindow, EveryControlSitsWhereTheFormPutsIt) {
  for (const app::ControlForm& form : app::Controls()) {
    HWND window = app().Find(form.control);
    if (form.kind == app::Kind::时钟) {
      EXPECT_EQ(window, nullptr) << NameOf(form.control) << " is a timer and has no window";
      continue;
    }
    ASSERT_NE(window, nullptr) << NameOf(form.control) << " has no window with ID "
                               << app::ControlId(form.control);
    const RECT expected = ExpectedRect(form);
    const RECT seen = app().RectInClient(form.control);
    EXPECT_TRUE(EqualRect(&expected, &seen)) << NameOf(form.control) << ": expected "
                                             << Describe(expected) << ", seen " << Describe(seen);
  }
}

// The children of one window from the top of the stacking order down, as form names.
std::vector<std::string> StackedChildren(HWND parent) {
  std::vector<std::string> names;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int index = GetDlgCtrlID(child) - app::kFirstControlId;
    names.push_back(index >= 0 && index < app::kControlCount ? NameOf(app::ControlAt(index))
                                                             : "a window not on the form");
  }
  return names;
}

TEST_F(RunningWindow, EachParentHoldsItsControlsStackedInTheFormOrder) {
  const std::optional<app::Control> parents[] = {std::nullopt, app::Control::分组框1,
                                                 app::Control::分组框2};
  for (const auto& parent : parents) {
    std::vector<std::string> expected;
    for (const app::ControlForm& form : app::Controls()) {
      if (form.parent == parent && form.kind != app::Kind::时钟) {
        expected.push_back(NameOf(form.control));
      }
    }
    HWND parent_window = parent ? app().Find(*parent) : app().Main();
    EXPECT_EQ(StackedChildren(parent_window), expected)
        << "children of " << (parent ? NameOf(*parent) : "the main window");
  }
}

TEST_F(RunningWindow, OpensCentredWithAFixedFrameItsTitleAndItsSize) {
  const RECT outer = app().OuterRect();
  const app::WindowForm& form = app::MainWindowForm();
  const int left = (GetSystemMetrics(SM_CXSCREEN) - form.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - form.height) / 2;
  const RECT expected{left, top, left + form.width, top + form.height};
  EXPECT_TRUE(EqualRect(&expected, &outer))
      << "expected " << Describe(expected) << ", seen " << Describe(outer);
  EXPECT_EQ(app().WideText(app().Main()), L"QuorvaneV1.2");

  const LONG_PTR style = GetWindowLongPtrW(app().Main(), GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(app().Main(), GWL_EXSTYLE);
  struct Flag {
    const char* name;
    LONG_PTR bits;
    LONG_PTR value;
    bool set;
  };
  const Flag flags[] = {
      {"caption", WS_CAPTION, style, true},
      {"system menu", WS_SYSMENU, style, true},
      {"minimise box", WS_MINIMIZEBOX, style, true},
      {"maximise box", WS_MAXIMIZEBOX, style, false},
      {"sizing frame", WS_THICKFRAME, style, false},
      {"own taskbar button", WS_EX_APPWINDOW, ex_style, true},
      {"top-most", WS_EX_TOPMOST, ex_style, false},
  };
  for (const Flag& flag : flags) {
    EXPECT_EQ((flag.value & flag.bits) == flag.bits, flag.set)
        << flag.name << (flag.set ? " expected" : " not expected");
  }
  CloseNormally();
}

}  // namespace
}  // namespace e2e
