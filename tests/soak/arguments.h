// Command-line options of the soak programs: --name=NUMBER, for narrow and wide arguments alike.
#pragma once

#include <string_view>

namespace soak {

// True when `argument` is `name` followed by decimal digits only; their value goes to `value`.
template <typename Char>
bool TakeNumber(std::basic_string_view<Char> argument, std::basic_string_view<Char> name,
                unsigned long long& value) {
  if (!argument.starts_with(name) || argument.size() == name.size()) return false;
  unsigned long long number = 0;
  for (const Char c : argument.substr(name.size())) {
    if (c < Char('0') || c > Char('9')) return false;
    number = number * 10 + static_cast<unsigned long long>(c - Char('0'));
  }
  value = number;
  return true;
}

}  // namespace soak
