#include "app/sim/names.h"

#include <ostream>

#include "app/form.h"

namespace app {

std::string NameOf(Control control) {
  const std::u8string_view name = FormOf(control).name;
  return std::string(name.begin(), name.end());
}

void PrintTo(Control control, std::ostream* out) {
  *out << NameOf(control);
}

std::ostream& operator<<(std::ostream& out, Control control) {
  return out << NameOf(control);
}

}  // namespace app
