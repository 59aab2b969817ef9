// Windows created after a style was applied wear it, the buttons of message boxes included, and
// after the system's look is back no new window is skinned.
#include <string>
#include <vector>

#include "app/win32/skin.h"
#include "tests/e2e/skin/shown_window.h"

namespace skin_test {
namespace {

using win32::Ink;

struct LaterControl {
  const char* what;
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
  bool skinned;  // whether the skin draws this kind at all

  friend void PrintTo(const LaterControl& control, std::ostream* out) { *out << control.what; }
};

const LaterControl kLaterControls[] = {
    {"push button", L"BUTTON", BS_PUSHBUTTON, 0, true},
    {"default push button", L"BUTTON", BS_DEFPUSHBUTTON, 0, true},
    {"check box", L"BUTTON", BS_AUTOCHECKBOX, 0, true},
    {"three-state check box", L"BUTTON", BS_AUTO3STATE, 0, true},
    {"radio button", L"BUTTON", BS_AUTORADIOBUTTON, 0, true},
    {"push-like check box", L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, true},
    {"group box", L"BUTTON", BS_GROUPBOX, 0, true},
    {"edit box", L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true},
    {"list box", L"LISTBOX", WS_VSCROLL, WS_EX_CLIENTEDGE, true},
    {"label", L"STATIC", SS_LEFT, 0, false},
    {"owner-drawn button", L"BUTTON", BS_OWNERDRAW, 0, false},
};

struct Sequence {
  std::vector<int> styles;  // applied in this order

  friend void PrintTo(const Sequence& sequence, std::ostream* out) {
    *out << "styles " << testing::PrintToString(sequence.styles);
  }
};

const Sequence kSequences[] = {{{1}}, {{2}}, {{3}}, {{1, 1, 0}}, {{2, 9}}, {{3, 3}}};

// The frame colour a new window must show after `sequence`; none for the system's look.
std::optional<COLORREF> ExpectedFrame(const Sequence& sequence) {
  const auto palette = win32::SkinPaletteOf(sequence.styles.back());
  if (!palette) return std::nullopt;
  return (*palette)[Ink::Frame];
}

constexpr wchar_t kHostClass[] = L"QuorvaneSkinTestHost";

HWND CreateHost() {
  WNDCLASSW host{};
  host.lpfnWndProc = DefWindowProcW;
  host.hInstance = GetModuleHandleW(nullptr);
  host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  host.lpszClassName = kHostClass;
  RegisterClassW(&host);  // already registered by an earlier test: fine
  // Away from where the main window opens.
  return CreateWindowExW(0, kHostClass, L"host", WS_POPUP | WS_VISIBLE, 10, 10, 260, 120, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

class LaterWindows : public SkinTest,
                     public testing::WithParamInterface<std::tuple<LaterControl, Sequence>> {};

TEST_P(LaterWindows, WearTheStyleInForce) {
  const auto& [control, sequence] = GetParam();
  for (int style : sequence.styles) win32::ApplySkin(style);
  HWND host = CreateHost();
  ASSERT_NE(host, nullptr);
  HWND window = CreateWindowExW(control.ex_style, control.class_name, L"Later",
                                WS_CHILD | WS_VISIBLE | control.style, 20, 20, 140, 60, host,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << control.what;
  Settle(host);
  const COLORREF edge = Pixels::FromWindowDc(window).LeftEdge();
  const auto expected = ExpectedFrame(sequence);
  if (control.skinned && expected) {
    EXPECT_EQ(edge, *expected) << control.what;
  } else {
    EXPECT_FALSE(IsSkinFrame(edge)) << control.what << " is skinned";
  }
  DestroyWindow(host);
}

INSTANTIATE_TEST_SUITE_P(Thread, LaterWindows,
                         testing::Combine(testing::ValuesIn(kLaterControls),
                                          testing::ValuesIn(kSequences)),
                         [](const auto& info) { return std::to_string(info.index); });

// What the OK button of a message box showed while the box was open.
struct BoxSeen {
  bool found = false;
  COLORREF edge = 0;
};
BoxSeen box_seen;

BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs inside the message box's own loop: looks at its OK button, then closes it.
void CALLBACK LookAtMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  box_seen = BoxSeen{true, Pixels::FromWindowDc(GetDlgItem(box, IDOK)).LeftEdge()};
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class MessageBoxes : public SkinTest, public testing::WithParamInterface<Sequence> {};

TEST_P(MessageBoxes, HaveTheirOkButtonInTheStyleInForce) {
  for (int style : GetParam().styles) win32::ApplySkin(style);
  box_seen = {};
  SetTimer(nullptr, 0, 20, LookAtMessageBox);
  MessageBoxW(nullptr, L"Later", L"Skin", MB_OK | MB_ICONINFORMATION);
  ASSERT_TRUE(box_seen.found);
  if (const auto expected = ExpectedFrame(GetParam())) {
    EXPECT_EQ(box_seen.edge, *expected);
  } else {
    EXPECT_FALSE(IsSkinFrame(box_seen.edge)) << "the OK button is skinned";
  }
}

INSTANTIATE_TEST_SUITE_P(Thread, MessageBoxes, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace skin_test
