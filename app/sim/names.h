// Controls by their form names, for messages and test output.
#pragma once

#include <iosfwd>
#include <string>

#include "app/window.h"

namespace app {

// The form name in UTF-8, e.g. "编辑框5".
std::string NameOf(Control control);

// GoogleTest prints controls by name.
void PrintTo(Control control, std::ostream* out);
std::ostream& operator<<(std::ostream& out, Control control);

}  // namespace app
