// The generated operator: reproducible from its seed, and over a working day it does everything
// the counter offers, clumsy things included.
#include "tests/soak/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "app/sim/names.h"

namespace soak {
namespace {

using enum app::Control;

constexpr std::size_t kDay = 100000;

TEST(Generator, TheSameSeedGivesTheSameActionsAndAnotherSeedOthers) {
  EXPECT_EQ(Generate(7, 5000, Profile::Day), Generate(7, 5000, Profile::Day));
  EXPECT_NE(Generate(7, 5000, Profile::Day), Generate(8, 5000, Profile::Day));
  // A longer run begins with the shorter one, so a failure found late replays from the start.
  const auto longer = Generate(7, 6000, Profile::Day);
  EXPECT_TRUE(
      std::equal(longer.begin(), longer.begin() + 5000, Generate(7, 5000, Profile::Day).begin()));
}

TEST(Generator, ADayHoldsEveryKindOfActionAndClicksOnEveryControl) {
  std::set<Do> kinds;
  std::set<app::Control> clicked;
  std::set<app::Control> right_clicked;
  for (const Action& action : Generate(1, kDay, Profile::Day)) {
    kinds.insert(action.what);
    if (action.what == Do::Click) clicked.insert(action.control);
    if (action.what == Do::RightClick) right_clicked.insert(action.control);
  }
  EXPECT_EQ(kinds.size(), static_cast<std::size_t>(Do::Ok) + 1);
  for (const app::ControlForm& form : app::Controls()) {
    EXPECT_TRUE(clicked.count(form.control)) << app::NameOf(form.control) << " never clicked";
  }
  for (app::Control caption : {标签8, 标签10, 标签12}) {
    EXPECT_TRUE(right_clicked.count(caption)) << app::NameOf(caption) << " never right-clicked";
  }
}

// Each kind of clumsy text shows up in what is typed.
struct TextKind {
  const char* name;
  bool (*matches)(std::string_view text);
};

bool HasFullWidthDigit(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) == 0xA3 &&
        static_cast<unsigned char>(text[i + 1]) >= 0xB0 &&
        static_cast<unsigned char>(text[i + 1]) <= 0xB9) {
      return true;
    }
  }
  return false;
}

const TextKind kTextKinds[] = {
    {"plain digits",
     [](std::string_view t) {
       return t == "100" || t.find_first_not_of("0123456789") == std::string_view::npos;
     }},
    {"full-width digits", HasFullWidthDigit},
    {"a word", [](std::string_view t) { return t == "free" || t == "自定义"; }},
    {"a huge exponent", [](std::string_view t) { return t == "1e999" || t == "9e5200"; }},
    {"a tiny exponent", [](std::string_view t) { return t == "1e-999" || t == "4.9e-324"; }},
    {"a stray sign", [](std::string_view t) { return t == "-" || t == "--5"; }},
    {"a space", [](std::string_view t) { return t.find(' ') != std::string_view::npos; }},
    {"an ideographic space",
     [](std::string_view t) { return t.find("　") != std::string_view::npos; }},
    {"a long run of digits", [](std::string_view t) { return t.size() >= 25; }},
};

TEST(Generator, WhatIsTypedRangesFromPlainDigitsToClumsyTexts) {
  const auto actions = Generate(2, kDay, Profile::Day);
  for (const TextKind& kind : kTextKinds) {
    EXPECT_TRUE(
        std::any_of(actions.begin(), actions.end(),
                    [&](const Action& a) { return a.what == Do::Type && kind.matches(a.text); }))
        << "never typed: " << kind.name;
  }
}

TEST(Generator, ForOneWindowEveryCloseRequestComesRightAfterANote) {
  const auto actions = Generate(3, kDay, Profile::OneWindow);
  int requests = 0;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const Do what = actions[i].what;
    if (what != Do::CloseButton && what != Do::AltF4 && what != Do::SessionEnd) continue;
    ++requests;
    ASSERT_GT(i, 0u);
    EXPECT_EQ(actions[i - 1].what, Do::Note) << "close request " << i;
    EXPECT_FALSE(actions[i - 1].text.empty()) << "close request " << i;
  }
  EXPECT_GT(requests, 0);
}

}  // namespace
}  // namespace soak
