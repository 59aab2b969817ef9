#include "tests/soak/shrink.h"

#include <algorithm>

namespace soak {
namespace {

std::vector<Action> Without(const std::vector<Action>& actions, std::size_t from, std::size_t to) {
  std::vector<Action> rest(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(from));
  rest.insert(rest.end(), actions.begin() + static_cast<std::ptrdiff_t>(to), actions.end());
  return rest;
}

std::vector<Action> Only(const std::vector<Action>& actions, std::size_t from, std::size_t to) {
  return std::vector<Action>(actions.begin() + static_cast<std::ptrdiff_t>(from),
                             actions.begin() + static_cast<std::ptrdiff_t>(to));
}

}  // namespace

std::vector<Action> Shrink(std::vector<Action> actions, const StillFails& still_fails) {
  std::size_t parts = 2;
  while (actions.size() >= 2) {
    const std::size_t chunk = (actions.size() + parts - 1) / parts;
    bool smaller = false;
    // A single chunk that fails on its own is the quickest way down; otherwise drop a chunk.
    for (std::size_t from = 0; from < actions.size() && !smaller; from += chunk) {
      const std::size_t to = std::min(from + chunk, actions.size());
      if (parts > 2) {
        std::vector<Action> part = Only(actions, from, to);
        if (still_fails(part)) {
          actions = std::move(part);
          parts = 2;
          smaller = true;
          break;
        }
      }
      std::vector<Action> rest = Without(actions, from, to);
      if (still_fails(rest)) {
        actions = std::move(rest);
        parts = std::max<std::size_t>(parts - 1, 2);
        smaller = true;
      }
    }
    if (smaller) continue;
    if (parts >= actions.size()) break;
    parts = std::min(parts * 2, actions.size());
  }
  return actions;
}

}  // namespace soak
