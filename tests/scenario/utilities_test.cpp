// The counter's conveniences: the calculator, the client print folder, always on top and the
// self-service notice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

using Utilities = Counter;

TEST_F(Utilities, EachCalculatorClickStartsOneMoreAndLeavesTheFocusOnTheButton) {
  desk.Click(按钮1);
  desk.Click(按钮1);
  EXPECT_EQ(desk.ProgramsRun(), (std::vector<std::string>{"calc.exe", "calc.exe"}));
  EXPECT_EQ(desk.Focus(), 按钮1);
  EXPECT_TRUE(desk.InfoBoxes().empty());
}

TEST_F(Utilities, ACalculatorThatCannotStartShowsNothing) {
  desk.SetProgramsStart(false);
  desk.Click(按钮1);
  EXPECT_EQ(desk.ProgramsRun().size(), 1u);
  EXPECT_TRUE(desk.InfoBoxes().empty());
}

TEST_F(Utilities, TheFolderLabelOpensTheClientPrintFolderOncePerDoubleClick) {
  desk.DoubleClick(透明标签4);
  EXPECT_EQ(desk.FoldersOpened(), std::vector<std::string>{"C:\\00客户打印保存目录"});
  EXPECT_EQ(desk.Focus(), 编辑框5);
  EXPECT_EQ(desk.Drags(), 0);
}

TEST_F(Utilities, AlwaysOnTopFollowsTheCheckBoxAndParksTheFocus) {
  desk.Click(选择框2);
  EXPECT_EQ(desk.TopMost(), 1);
  EXPECT_EQ(desk.Focus(), 定位编辑框1);
  desk.Click(选择框2);
  EXPECT_EQ(desk.TopMost(), 0);
  EXPECT_EQ(desk.Focus(), 定位编辑框1);
}

TEST_F(Utilities, TheNoticeShowsTwoLinesEndingInTheContactNumber) {
  const Snapshot before(desk);
  std::vector<bool> took_input;
  desk.SetModalLoop([&](sim::Desktop& d, const sim::InfoBox&) {
    took_input = {d.Click(按钮2), d.Type("1"), d.Click(透明标签3)};
  });
  desk.DoubleClick(透明标签3);

  ASSERT_EQ(desk.InfoBoxes().size(), 1u);
  const sim::InfoBox& notice = desk.InfoBoxes()[0];
  EXPECT_EQ(notice.title, "提示");
  const std::string first_line = "本公司自主研发软件、小程序开发\r\n";
  const std::string contact = "商务QQ：";
  ASSERT_TRUE(notice.text.starts_with(first_line + contact)) << notice.text;
  const std::string number = notice.text.substr(first_line.size() + contact.size());
  EXPECT_FALSE(number.empty());
  EXPECT_TRUE(std::all_of(number.begin(), number.end(),
                          [](unsigned char c) { return std::isdigit(c) != 0; }))
      << "the contact number follows directly: " << number;

  EXPECT_EQ(took_input, std::vector<bool>(3, false));
  EXPECT_TRUE(Snapshot(desk) == before);
  EXPECT_EQ(desk.Focus(), 编辑框5);
}

TEST_F(Utilities, TheStudioNameAndTheUpdateLabelDoNothing) {
  const Snapshot before(desk);
  for (Control label : {透明标签1, 透明标签2}) {
    desk.Click(label);
    desk.RightClick(label);
    desk.DoubleClick(label);
  }
  EXPECT_TRUE(Snapshot(desk) == before);
  EXPECT_EQ(desk.Drags(), 0);
  EXPECT_TRUE(desk.InfoBoxes().empty());
  EXPECT_TRUE(desk.ProgramsRun().empty());
  EXPECT_TRUE(desk.FoldersOpened().empty());
  EXPECT_EQ(desk.Focus(), 编辑框5);
}

}  // namespace
}  // namespace scenario
