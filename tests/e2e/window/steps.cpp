#include "tests/e2e/window/steps.h"

namespace e2e {

void Play(const Quorvane& app, std::span<const Step> steps) {
  // Two quick clicks at one place make a double-click; a table means two single clicks, so
  // every other click on the same control lands a little to the side, out of the system's
  // double-click rectangle.
  const LONG aside = GetSystemMetrics(SM_CXDOUBLECLK) + 4;
  const Step* last_click = nullptr;
  bool shifted = false;
  for (const Step& step : steps) {
    if (step.action == Step::Action::Click) {
      shifted = last_click && last_click->control == step.control && !shifted;
      last_click = &step;
    }
    switch (step.action) {
      case Step::Action::Click:
        app.Click(step.control, POINT{shifted ? aside : 0, 0});
        break;
      case Step::Action::RightClick:
        app.RightClick(step.control);
        break;
      case Step::Action::Type:
        app.TypeText(step.text);
        break;
      case Step::Action::Press:
        app.PressKey(step.key);
        break;
      case Step::Action::Replace:
        app.ReplaceText(step.control, step.text);
        break;
    }
  }
}

}  // namespace e2e
