#include "utilities/utility_actions.h"

#include <string_view>

namespace utilities {

using app::Control;
using app::Result;

namespace {

constexpr std::string_view kCalculator = "calc.exe";
constexpr std::string_view kClientPrintFolder = "C:\\00客户打印保存目录";
constexpr std::string_view kNoticeTitle = "提示";
constexpr std::string_view kNoticeText =
    "本公司自主研发软件、小程序开发\r\n"
    "商务QQ：800018826";

}  // namespace

Result CalculatorClick(app::Window& window, const app::EventArgs&) {
  window.RunProgram(kCalculator);
  return Result::None;
}

// A missing folder is neither reported nor made.
Result OpenFolderLeftButtonDown(app::Window& window, const app::EventArgs&) {
  window.OpenFolder(kClientPrintFolder);
  return Result::None;
}

Result AlwaysOnTopClick(app::Window& window, const app::EventArgs&) {
  window.SetTopMost(window.Checked(Control::选择框2) == 1 ? 1 : 0);
  window.SetFocus(Control::定位编辑框1);
  return Result::None;
}

Result NoticeLeftButtonDown(app::Window& window, const app::EventArgs&) {
  window.ShowInfoBox(kNoticeText, kNoticeTitle);
  return Result::None;
}

}  // namespace utilities
