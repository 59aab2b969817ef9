// Skinned painting holds on to no GDI object: the count of the process's GDI objects is the same
// after 1,100 repaints as after the first 100, whatever makes the controls repaint, and applying
// a style again and again leaves none of the earlier styles' pens and brushes behind.
#include <vector>

#include "app/win32/skin.h"
#include "tests/e2e/skin/shown_window.h"

namespace skin_test {
namespace {

using enum app::Control;

// The GDI objects this process holds. Windows counts them for GetGuiResources. Wine does not
// implement it (0, with ERROR_CALL_NOT_IMPLEMENTED); there a handle whose upper word is zero
// names the object at that index of the process's handle table, so asking the type of every
// index counts the live objects.
int GdiObjectCount() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
    return static_cast<int>(counted);
  }
  int live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
    live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  }
  return live;
}

// The count is worth something only if it follows objects as they come and go.
TEST(GdiObjectCount, FollowsObjectsAsTheyAreMadeAndDeleted) {
  const int before = GdiObjectCount();
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 7; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(GdiObjectCount(), before + 7);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(GdiObjectCount(), before);
}

struct Repaint {
  const char* what;
  app::Control painted;  // a control whose skinned drawing every round renews
  void (*round)(const win32::Desktop& desktop, int number);
  int rounds;  // after the first 100, which fill the system's caches

  friend void PrintTo(const Repaint& repaint, std::ostream* out) { *out << repaint.what; }
};

void RepaintEverything(const win32::Desktop& desktop, int) {
  RedrawWindow(desktop.Main(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void PressAndRelease(const win32::Desktop& desktop, int number) {
  SendMessageW(desktop.Handle(按钮2), BM_SETSTATE, number % 2 == 0, 0);
}

void TickAndClear(const win32::Desktop& desktop, int number) {
  SendMessageW(desktop.Handle(选择框6), BM_SETCHECK, number % 2 == 0 ? BST_CHECKED : BST_UNCHECKED,
               0);
}

void MoveTheFocus(const win32::Desktop& desktop, int number) {
  SetFocus(desktop.Handle(number % 2 == 0 ? 编辑框7 : 按钮3));
}

void DisableAndEnable(const win32::Desktop& desktop, int number) {
  EnableWindow(desktop.Handle(编辑框7), number % 2 != 0);
}

void ApplyTheStylesInTurn(const win32::Desktop& desktop, int number) {
  win32::ApplySkin(number % 2 == 0 ? 2 : 1);
  RedrawWindow(desktop.Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

class Repaints : public ShownWindow, public testing::WithParamInterface<Repaint> {
 protected:
  void Rounds(int from, int to) {
    for (int number = from; number < to; ++number) GetParam().round(desktop(), number);
    Settle(Main());
  }

  // Paints over the control behind the skin's back; only the skin's own painting restores it.
  void Scribble(app::Control control) {
    HWND window = Handle(control);
    HDC dc = GetWindowDC(window);
    RECT all{0, 0, 1000, 1000};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    ReleaseDC(window, dc);
  }
};

TEST_P(Repaints, LeaveNoGdiObjectBehind) {
  const Repaint& repaint = GetParam();
  constexpr int kWarmUp = 100;
  Rounds(0, kWarmUp);
  const int warm = GdiObjectCount();
  const int end = kWarmUp + repaint.rounds;
  Rounds(kWarmUp, end);
  EXPECT_EQ(GdiObjectCount(), warm) << repaint.what << ", after " << end << " rounds";

  Scribble(repaint.painted);
  Rounds(end, end + 2);
  EXPECT_TRUE(IsSkinFrame(Look(repaint.painted).LeftEdge()))
      << repaint.what << ": the rounds did not paint the skin";
}

INSTANTIATE_TEST_SUITE_P(
    Window, Repaints,
    testing::Values(
        Repaint{"the whole window repainted", 按钮2, RepaintEverything, 1000},
        Repaint{"a push button pressed and released", 按钮2, PressAndRelease, 1000},
        Repaint{"a check box ticked and cleared", 选择框6, TickAndClear, 1000},
        Repaint{"the focus moving between a box and a button", 编辑框7, MoveTheFocus, 1000},
        Repaint{"an edit box disabled and enabled", 编辑框7, DisableAndEnable, 1000},
        // Each round repaints the whole window too; a style's tools would show after one.
        Repaint{"styles 1 and 2 applied in turn", 分组框1, ApplyTheStylesInTurn, 200}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace skin_test
