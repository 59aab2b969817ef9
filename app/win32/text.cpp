#include "app/win32/text.h"

namespace win32 {
namespace {

std::wstring WideFrom(UINT code_page, const char* bytes, std::size_t size) {
  if (size == 0) return {};
  const int length = static_cast<int>(size);
  const int wide_length = MultiByteToWideChar(code_page, 0, bytes, length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes, length, wide.data(), wide_length);
  return wide;
}

}  // namespace

std::wstring WideFromGbk(std::string_view text) {
  return WideFrom(kGbkCodePage, text.data(), text.size());
}

std::wstring WideFromUtf8(std::u8string_view text) {
  return WideFrom(CP_UTF8, reinterpret_cast<const char*>(text.data()), text.size());
}

std::string GbkFromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int gbk_length =
      WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<std::size_t>(gbk_length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, gbk.data(), gbk_length, nullptr,
                      nullptr);
  return gbk;
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace win32
