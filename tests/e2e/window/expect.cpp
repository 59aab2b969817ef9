#include "tests/e2e/window/expect.h"

#include <string>

namespace e2e {
namespace {

std::string FocusName(std::optional<app::Control> control) {
  return control ? NameOf(*control) : "no control of the window";
}

const char* Ticked(bool ticked) {
  return ticked ? "ticked" : "not ticked";
}

const char* Enabled(bool enabled) {
  return enabled ? "enabled" : "disabled";
}

}  // namespace

Expectation TextIs(app::Control control, std::string_view expected) {
  return [control, expected = std::string(expected)](const Quorvane& app) -> std::string {
    const std::string seen = app.Text(control);
    if (seen == expected) return {};
    return NameOf(control) + ": expected \"" + Abridged(expected) + "\", seen \"" + Abridged(seen) +
           "\"";
  };
}

Expectation FocusIn(app::Control control) {
  return [control](const Quorvane& app) -> std::string {
    const auto seen = app.Focus();
    if (seen == control) return {};
    return "focus: expected " + NameOf(control) + ", seen " + FocusName(seen);
  };
}

Expectation TickedIs(app::Control control, bool ticked) {
  return [control, ticked](const Quorvane& app) -> std::string {
    if (app.Checked(control) == ticked) return {};
    return NameOf(control) + ": expected " + Ticked(ticked) + ", seen " + Ticked(!ticked);
  };
}

Expectation EnabledIs(app::Control control, bool enabled) {
  return [control, enabled](const Quorvane& app) -> std::string {
    if (app.Enabled(control) == enabled) return {};
    return NameOf(control) + ": expected " + Enabled(enabled) + ", seen " + Enabled(!enabled);
  };
}

testing::AssertionResult Settles(const Quorvane& app, std::initializer_list<Expectation> all,
                                 DWORD patience_ms) {
  std::string mismatches;
  const bool settled = WaitUntil(
      [&] {
        mismatches.clear();
        for (const Expectation& expectation : all) {
          const std::string mismatch = expectation(app);
          if (!mismatch.empty()) mismatches += (mismatches.empty() ? "" : "; ") + mismatch;
        }
        return mismatches.empty();
      },
      patience_ms);
  if (settled) return testing::AssertionSuccess();
  return testing::AssertionFailure() << mismatches;
}

testing::AssertionResult ShowsText(const Quorvane& app, app::Control control,
                                   std::string_view expected, DWORD patience_ms) {
  return Settles(app, {TextIs(control, expected)}, patience_ms);
}

testing::AssertionResult HasFocus(const Quorvane& app, app::Control control, DWORD patience_ms) {
  return Settles(app, {FocusIn(control)}, patience_ms);
}

testing::AssertionResult IsTicked(const Quorvane& app, app::Control control, bool ticked) {
  return Settles(app, {TickedIs(control, ticked)});
}

testing::AssertionResult IsEnabled(const Quorvane& app, app::Control control, bool enabled) {
  return Settles(app, {EnabledIs(control, enabled)});
}

testing::AssertionResult ShowsOneMessageBox(const Quorvane& app, std::wstring_view text,
                                            std::wstring_view title, HWND& box) {
  box = app.WaitForMessageBox();
  if (!box) {
    return testing::AssertionFailure() << "no message box \"" << Utf8(text) << "\" was shown";
  }
  const auto open = app.MessageBoxes().size();
  const std::wstring seen_text = app.MessageBoxText(box);
  const std::wstring seen_title = app.MessageBoxTitle(box);
  if (open == 1 && seen_text == text && seen_title == title) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "message box: expected one titled \"" << Utf8(title) << "\" saying \"" << Utf8(text)
         << "\", seen " << open << " box(es), the first titled \"" << Utf8(seen_title)
         << "\" saying \"" << Utf8(seen_text) << "\"";
}

testing::AssertionResult NoMessageBox(const Quorvane& app) {
  const auto boxes = app.MessageBoxes();
  if (boxes.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << boxes.size() << " message box(es) open, the first saying \""
                                     << Utf8(app.MessageBoxText(boxes.front())) << "\"";
}

}  // namespace e2e
