// The program's texts are GBK bytes, and its narrow literals must be compiled to GBK: a build
// that leaves them UTF-8 would write the wrong remark and never match "自定义".
#include <string_view>

#include <gtest/gtest.h>

namespace {

TEST(NarrowLiterals, AreCompiledToGbk) {
  EXPECT_EQ(std::string_view("备注："), std::string_view("\xB1\xB8\xD7\xA2\xA3\xBA"));
  EXPECT_EQ(std::string_view("自定义"), std::string_view("\xD7\xD4\xB6\xA8\xD2\xE5"));
  EXPECT_EQ(std::string_view("１２．５"), std::string_view("\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5"));
  EXPECT_EQ(std::string_view("　"), std::string_view("\xA1\xA1"));
}

}  // namespace
