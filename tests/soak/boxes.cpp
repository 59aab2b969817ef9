#include "tests/soak/boxes.h"

namespace soak {
namespace {

constexpr std::string_view kWarningTitle = "警告";
constexpr std::string_view kRefusal = "有内容未保存或处理，不可关闭";
constexpr std::string_view kFeeWarning = "排版费用不低于3元！！！";
constexpr std::string_view kNoticeTitle = "提示";
// The notice ends with the maker's contact number.
constexpr std::string_view kNoticeStart = "本公司自主研发软件、小程序开发\r\n商务QQ：";

}  // namespace

BoxKind KindOf(std::string_view text, std::string_view title) {
  if (title == kWarningTitle && text == kRefusal) return BoxKind::Refusal;
  if (title == kWarningTitle && text == kFeeWarning) return BoxKind::FeeWarning;
  if (title == kNoticeTitle && text.starts_with(kNoticeStart) &&
      text.size() > kNoticeStart.size()) {
    return BoxKind::Notice;
  }
  return BoxKind::Unknown;
}

std::string_view NameOf(BoxKind kind) {
  switch (kind) {
    case BoxKind::Refusal:
      return "closing refusal";
    case BoxKind::FeeWarning:
      return "fee-floor warning";
    case BoxKind::Notice:
      return "self-service notice";
    case BoxKind::Unknown:
      break;
  }
  return "unknown box";
}

}  // namespace soak
