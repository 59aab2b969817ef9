// The amount text rules: how a control's text becomes an amount and an amount becomes the text
// the operator sees, and the plain byte-wise text operations the handlers use.
//
// A text is a run of GBK bytes (code page 936). A default-constructed std::string_view (null
// data) is the absent text, which every function here treats exactly as the empty text.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pricing {

// Reads the longest leading number of `text` after folding full-width forms to ASCII. A text
// without a number counts as 0; too large gives a signed infinity, too small a signed zero.
// Never fails, never depends on the C locale, linear in the length of the text.
double ParseAmount(std::string_view text);

// 13 significant digits, plain or "d.ddde+DDD" form, no trailing zeros; fixed texts for
// infinities and NaNs ("1.#INF", "-1.#IND", "1.#QNAN", "1.#SNAN").
std::string FormatAmount(double amount);

// Byte-wise comparison as unsigned values: -1, 0 or 1. A text that is a beginning of the other
// is the smaller.
int CompareText(std::string_view a, std::string_view b);

// True for the empty (or absent) text only: a single space is not empty.
bool IsEmptyText(std::string_view text);

// The number of bytes; 0 for the absent text.
std::size_t TextLength(std::string_view text);

// The texts one after another, without separators.
std::string JoinTexts(std::initializer_list<std::string_view> texts);

}  // namespace pricing
