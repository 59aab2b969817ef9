// The counter as the operator finds it after start-up, with the steps an operator takes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "app/sim/desktop.h"
#include "app/sim/names.h"

namespace scenario {

using app::Control;
using enum app::Control;
using sim::Key;

inline constexpr app::Colour kBlack = 0;
inline constexpr app::Colour kRed = 255;
inline constexpr app::Colour kBlue = 16711680;

class Counter : public testing::Test {
 protected:
  void SetUp() override { desk.Start(); }

  // Clicks into the box, selects what it holds and types `text` over it.
  void Fill(Control box, std::string_view text) {
    ASSERT_TRUE(desk.Click(box)) << app::NameOf(box) << " took no click";
    desk.SelectAll();
    desk.Press(Key::Backspace);
    ASSERT_TRUE(desk.Type(text));
  }

  // Types the sheet count and presses Enter, as the operator does for a print charge.
  void ChargeFor(std::string_view count) {
    Fill(编辑框5, count);
    desk.Press(Key::Enter);
  }

  // The layout fee switched on, then the fee text replaced by `fee`.
  void FeeOn(std::string_view fee) {
    desk.Click(选择框7);
    Fill(编辑框7, fee);
  }

  // A slot filled with an amount typed by hand into the print charge box.
  void SaveByHand(Control save_button, std::string_view amount) {
    Fill(编辑框3, amount);
    desk.Click(save_button);
  }

  int WarningsShown() const { return static_cast<int>(desk.InfoBoxes().size()); }

  sim::Desktop desk;
};

// Everything the operator can see of the controls, to show that an action changed nothing.
struct Snapshot {
  std::vector<std::string> texts;
  std::vector<int> checked;
  std::vector<bool> disabled;
  std::vector<app::Colour> colours;

  explicit Snapshot(const sim::Desktop& desk) {
    for (const app::ControlForm& form : app::Controls()) {
      texts.push_back(desk.TextOf(form.control));
      checked.push_back(form.kind == app::Kind::选择框 ? desk.Checked(form.control) : 0);
      disabled.push_back(desk.Disabled(form.control));
      colours.push_back(desk.TextColor(form.control));
    }
  }
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

}  // namespace scenario
