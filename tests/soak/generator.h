// A seeded operator who never stops: an endless, reproducible stream of actions at the counter,
// most of them ordinary (digits, Enter, clicks on the working controls), some clumsy (full-width
// digits, words in amount boxes, huge and tiny exponents, stray signs and spaces, clicks on
// labels and hidden controls, right clicks anywhere, close requests with notes still open).
// The same seed gives the same actions on every system, so a run on the simulated desktop and a
// run against the real window under Wine can be compared and replayed.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "tests/soak/action.h"

namespace soak {

enum class Profile {
  // Everything, close requests included: the window closes whenever it is asked with empty
  // notes, and the day goes on in a new one.
  Day,
  // Every close request comes right after a note is typed, so the one window stays open for the
  // whole run (to watch one process's resources).
  OneWindow,
};

class Generator {
 public:
  Generator(std::uint64_t seed, Profile profile);
  Action Next();

 private:
  Action Fresh();
  std::string SomeText();
  app::Control SomeControl();

  std::mt19937_64 random_;
  Profile profile_;
  std::optional<Action> queued_;
};

std::vector<Action> Generate(std::uint64_t seed, std::size_t count, Profile profile);

}  // namespace soak
