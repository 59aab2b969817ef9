// The message boxes the program shows, told apart by their text and title.
#pragma once

#include <string_view>

namespace soak {

enum class BoxKind { Refusal, FeeWarning, Notice, Unknown };

// Unknown for a box the program never shows (a changed or garbled text).
BoxKind KindOf(std::string_view text, std::string_view title);
std::string_view NameOf(BoxKind kind);

}  // namespace soak
