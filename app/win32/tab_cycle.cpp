#include "app/win32/tab_cycle.h"

#include <algorithm>

namespace win32 {

std::optional<app::Control> NextTabStop(std::span<const app::Control> sequence,
                                        std::optional<app::Control> current, bool backward,
                                        const std::function<bool(app::Control)>& is_member) {
  const int count = static_cast<int>(sequence.size());
  if (count == 0) return std::nullopt;
  const auto place =
      current ? std::find(sequence.begin(), sequence.end(), *current) : sequence.end();
  // Without a place, start just outside the sequence so that the first step lands on its first
  // (or, backward, its last) control.
  const int start = place != sequence.end() ? static_cast<int>(place - sequence.begin())
                                            : (backward ? count : -1);
  const int step = backward ? -1 : 1;
  for (int moved = 1; moved <= count; ++moved) {
    const int index = ((start + step * moved) % count + count) % count;
    if (is_member(sequence[static_cast<std::size_t>(index)])) {
      return sequence[static_cast<std::size_t>(index)];
    }
  }
  return std::nullopt;
}

}  // namespace win32
