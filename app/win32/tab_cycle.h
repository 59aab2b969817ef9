// Where Tab and Shift+Tab move the focus: along the form's fixed sequence, never the stacking
// order, wrapping around at both ends.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "app/window.h"

namespace win32 {

// The control that Tab (or Shift+Tab when `backward`) moves the focus to from `current`.
// `is_member` tells whether a control of the sequence is in the cycle at this moment (a Tab stop,
// visible and enabled). A control that is in the sequence but not in the cycle still marks a
// place: Tab goes to the first member after it, Shift+Tab to the last one before it. With no
// current control, or one that is not in the sequence, Tab goes to the first member and
// Shift+Tab to the last. None when the cycle is empty.
std::optional<app::Control> NextTabStop(std::span<const app::Control> sequence,
                                        std::optional<app::Control> current, bool backward,
                                        const std::function<bool(app::Control)>& is_member);

}  // namespace win32
