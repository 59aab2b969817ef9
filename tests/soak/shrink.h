// Delta debugging over an action list: the shortest list found that still fails.
#pragma once

#include <functional>
#include <vector>

#include "tests/soak/action.h"

namespace soak {

using StillFails = std::function<bool(const std::vector<Action>&)>;

// Removes actions while `still_fails` holds: first whole chunks (halves, quarters, ...), then
// single actions, until no one action can go. The result still fails; it keeps the order of the
// actions that remain. `still_fails` must hold for `actions` itself.
std::vector<Action> Shrink(std::vector<Action> actions, const StillFails& still_fails);

}  // namespace soak
