// Closing: with text in the notes every way of asking the window to close is refused with the
// warning, the session-end question too; with the notes emptied the window closes and the
// program ends with exit code 0.
#include <thread>
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

constexpr std::wstring_view kRefusal = L"有内容未保存或处理，不可关闭";
constexpr std::wstring_view kRefusalTitle = L"警告";

struct CloseRequest {
  const char* name;
  std::function<void(const Quorvane&)> send;
};

const CloseRequest kCloseRequests[] = {
    {"WM_CLOSE from another program", [](const Quorvane& app) { app.RequestClose(); }},
    {"Alt+F4", [](const Quorvane& app) { app.PressKey(VK_F4, {VK_MENU}); }},
    {"Close on the system menu or the taskbar",
     [](const Quorvane& app) { PostMessageW(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

// Waits for the refusal, checks it and presses OK; the window must then still be there.
void ExpectRefusal(const Quorvane& app, const char* request) {
  HWND box = app.WaitForMessageBox();
  ASSERT_NE(box, nullptr) << request << ": no refusal shown";
  EXPECT_EQ(app.MessageBoxText(box), kRefusal) << request;
  EXPECT_EQ(app.MessageBoxTitle(box), kRefusalTitle) << request;
  app.PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return app.MessageBoxes().empty(); })) << request;
  EXPECT_TRUE(IsWindowVisible(app.Main())) << request << ": the window closed";
}

// What the operator leaves in the notes: a single space or an empty line is text all the same.
struct Notes {
  const char* name;
  std::vector<WORD> keys;
  const char* text;  // as the notes box then reads
};

class NotesKeepTheWindowOpen : public RunningWindow, public testing::WithParamInterface<Notes> {};

TEST_P(NotesKeepTheWindowOpen, UntilTheyAreEmptied) {
  const Notes& notes = GetParam();
  app().Click(编辑框2);
  ASSERT_TRUE(HasFocus(app(), 编辑框2));
  for (WORD key : notes.keys) app().PressKey(key);
  ASSERT_TRUE(ShowsText(app(), 编辑框2, notes.text));

  for (const CloseRequest& request : kCloseRequests) {
    request.send(app());
    ExpectRefusal(app(), request.name);
    EXPECT_EQ(app().Text(编辑框2), notes.text) << request.name << " changed the notes";
  }

  // The session-end question waits for the answer, which waits for OK: ask from another thread.
  DWORD_PTR answer = 1;
  std::thread question([&] {
    SendMessageTimeoutW(app().Main(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                        kPatienceMs, &answer);
  });
  ExpectRefusal(app(), "log-off");
  question.join();
  EXPECT_EQ(answer, 0u) << "the log-off was not held up";

  app().Click(编辑框2);
  app().PressKey(VK_END, {VK_CONTROL}, true);
  app().PressKey(VK_BACK);  // a space, or a line break as one
  ASSERT_TRUE(ShowsText(app(), 编辑框2, ""));
  app().PressKey(VK_F4, {VK_MENU});
  EXPECT_EQ(app().WaitForExit(), std::optional<int>(0));
}

INSTANTIATE_TEST_SUITE_P(Notes, NotesKeepTheWindowOpen,
                         testing::Values(Notes{"Space", {VK_SPACE}, " "},
                                         Notes{"EmptyLine", {VK_RETURN}, "\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

class ClosePaths : public RunningWindow, public testing::WithParamInterface<CloseRequest> {};

// Amounts in the slots and the boxes never hold the window: only the notes do.
TEST_P(ClosePaths, EndTheProgramWithEmptyNotes) {
  app().TypeText(L"100");
  app().PressKey(VK_RETURN);
  app().Click(按钮3);
  ASSERT_TRUE(ShowsText(app(), 编辑框8, "60"));
  GetParam().send(app());
  EXPECT_EQ(app().WaitForExit(), std::optional<int>(0)) << GetParam().name;
  EXPECT_TRUE(NoMessageBox(app()));
}

INSTANTIATE_TEST_SUITE_P(Requests, ClosePaths, testing::ValuesIn(kCloseRequests),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(RunningWindow, EmptyNotesLetTheSessionEndWithoutAQuestion) {
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(app().Main(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                  SMTO_ABORTIFHUNG, kPatienceMs, &answer));
  EXPECT_EQ(answer, 1u) << "the log-off was held up";
  EXPECT_TRUE(app().MessageBoxes().empty());
  CloseNormally();
}

TEST_F(RunningWindow, EscapeAndF1LeaveTheWindowAlone) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().PressKey(VK_ESCAPE);
  app().PressKey(VK_F1);
  // Typing after them shows they have been dealt with.
  app().TypeText(L"7");
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "7"));
  EXPECT_TRUE(IsWindowVisible(app().Main()));
  EXPECT_TRUE(app().MessageBoxes().empty());
  CloseNormally();
}

}  // namespace
}  // namespace e2e
