// Texts cross the boundary to Win32 here: the program's texts are GBK bytes (code page 936), the
// window functions take UTF-16. The conversion names code page 936 itself, so the window reads
// right whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

inline constexpr UINT kGbkCodePage = 936;

std::wstring WideFromGbk(std::string_view text);
// Characters that GBK cannot hold become "?".
std::string GbkFromWide(std::wstring_view text);
// The form's names are UTF-8; they appear in messages only.
std::wstring WideFromUtf8(std::u8string_view text);

// The whole text of a window: an edit box's content, a label's or button's caption.
std::wstring WindowTextOf(HWND window);

}  // namespace win32
