// An operator's actions as data, so that a table of cases can say what was done before the
// window is read back.
#pragma once

#include <span>
#include <string_view>

#include "tests/e2e/driver/driver.h"

namespace e2e {

struct Step {
  enum class Action { Click, RightClick, Type, Press, Replace };
  Action action;
  app::Control control = app::Control::编辑框5;
  std::wstring_view text = {};
  WORD key = 0;
};

// A left click in the middle of the control.
constexpr Step Click(app::Control control) {
  return {Step::Action::Click, control};
}
constexpr Step RightClick(app::Control control) {
  return {Step::Action::RightClick, control};
}
// Key presses for the characters, into whatever has the focus.
constexpr Step Type(std::wstring_view text) {
  return {Step::Action::Type, app::Control::编辑框5, text};
}
constexpr Step Press(WORD key) {
  return {Step::Action::Press, app::Control::编辑框5, {}, key};
}
// Click into the box, select everything, paste the text over it and wait until it shows.
constexpr Step Replace(app::Control control, std::wstring_view text) {
  return {Step::Action::Replace, control, text};
}

void Play(const Quorvane& app, std::span<const Step> steps);

}  // namespace e2e
