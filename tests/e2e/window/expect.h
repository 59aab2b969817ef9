// Checks of the live window that wait for it to settle and, when it does not, say which control
// showed what instead of what was expected.
//
// A handler writes one property after another, and another program may read the window between
// two writes. So a check polls until everything it expects holds at once, and only a window that
// never gets there within the patience fails it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "tests/e2e/driver/driver.h"

namespace e2e {

// One expectation about the window: empty when it holds, else what was expected and seen.
using Expectation = std::function<std::string(const Quorvane&)>;

Expectation TextIs(app::Control control, std::string_view expected);  // GBK
Expectation FocusIn(app::Control control);
Expectation TickedIs(app::Control control, bool ticked);
Expectation EnabledIs(app::Control control, bool enabled);

// All expectations hold at the same moment within the patience.
testing::AssertionResult Settles(const Quorvane& app, std::initializer_list<Expectation> all,
                                 DWORD patience_ms = kPatienceMs);

// Shorthands for a single expectation.
testing::AssertionResult ShowsText(const Quorvane& app, app::Control control,
                                   std::string_view expected, DWORD patience_ms = kPatienceMs);
testing::AssertionResult HasFocus(const Quorvane& app, app::Control control,
                                  DWORD patience_ms = kPatienceMs);
testing::AssertionResult IsTicked(const Quorvane& app, app::Control control, bool ticked);
testing::AssertionResult IsEnabled(const Quorvane& app, app::Control control, bool enabled);

// The program shows exactly one message box with this text and title, within the patience; the
// box is returned through `box` for the caller to answer.
testing::AssertionResult ShowsOneMessageBox(const Quorvane& app, std::wstring_view text,
                                            std::wstring_view title, HWND& box);

// None of the program's message boxes is open.
testing::AssertionResult NoMessageBox(const Quorvane& app);

}  // namespace e2e
