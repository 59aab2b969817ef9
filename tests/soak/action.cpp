#include "tests/soak/action.h"

#include <array>
#include <cstdio>
#include <ostream>

#include "app/sim/names.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace soak {
namespace {

// In the order of Do.
constexpr std::array<std::string_view, static_cast<std::size_t>(Do::Ok) + 1> kNames{
    "Type",       "Keypad",     "Enter",      "Tab",         "BackTab", "Backspace",
    "Escape",     "F1",         "Space",      "SelectAll",   "Click",   "DoubleClick",
    "RightClick", "Background", "Wait",       "CloseButton", "AltF4",   "SessionEnd",
    "Fill",       "Note",       "ClearNotes", "Ok"};

std::string_view NameOf(Do what) {
  return kNames[static_cast<std::size_t>(what)];
}

std::string Octal(unsigned char byte) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned>(byte));
  return escaped;
}

// One two-byte GBK character as UTF-8; empty when the pair has no reading.
std::string Utf8Character(std::string_view pair) {
#ifdef _WIN32
  wchar_t wide[2] = {};
  const int length = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair.data(), 2, wide, 2);
  if (length != 1) return {};
  char utf8[8] = {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, sizeof utf8, nullptr, nullptr);
  return std::string(utf8, static_cast<std::size_t>(size > 0 ? size : 0));
#else
  static const iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  char in[2] = {pair[0], pair[1]};
  char out[8] = {};
  char* in_at = in;
  char* out_at = out;
  std::size_t in_left = 2;
  std::size_t out_left = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in_at, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1) ||
      in_left != 0) {
    return {};
  }
  return std::string(out, sizeof out - out_left);
#endif
}

// GBK text as UTF-8, with `ascii` deciding how single bytes are written.
template <typename Ascii>
std::string ConvertGbk(std::string_view gbk, Ascii ascii) {
  std::string out;
  for (std::size_t at = 0; at < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[at]);
    if (byte < 0x80) {
      out += ascii(gbk[at]);
      ++at;
      continue;
    }
    const std::string character = at + 1 < gbk.size() ? Utf8Character(gbk.substr(at, 2)) : "";
    if (character.empty()) {
      out += Octal(byte);
      ++at;
      continue;
    }
    out += character;
    at += 2;
  }
  return out;
}

// Appends piece by piece: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string.
std::string Quoted(std::string_view gbk) {
  std::string quoted = "\"";
  quoted += ConvertGbk(gbk, [](char c) -> std::string {
    switch (c) {
      case '"':
        return "\\\"";
      case '\\':
        return "\\\\";
      case '\r':
        return "\\r";
      case '\n':
        return "\\n";
      case '\t':
        return "\\t";
    }
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      return Octal(static_cast<unsigned char>(c));
    }
    return std::string(1, c);
  });
  quoted += '"';
  return quoted;
}

}  // namespace

std::string Readable(std::string_view gbk) {
  return ConvertGbk(gbk, [](char c) { return std::string(1, c); });
}

std::string Describe(const Action& action) {
  std::string out = "{Do::" + std::string(NameOf(action.what));
  switch (action.what) {
    case Do::Type:
    case Do::Keypad:
    case Do::Note:
      out += ", " + Quoted(action.text);
      break;
    case Do::Click:
    case Do::DoubleClick:
    case Do::RightClick:
      out += ", " + app::NameOf(action.control);
      break;
    case Do::Fill:
      out += ", " + app::NameOf(action.control) + ", " + Quoted(action.text);
      break;
    case Do::Wait:
      out += ", " + std::to_string(action.ms);
      break;
    default:
      break;
  }
  return out + "}";
}

std::string Describe(std::span<const Action> actions) {
  std::string out;
  for (const Action& action : actions) out += "    " + Describe(action) + ",\n";
  return out;
}

void PrintTo(const Action& action, std::ostream* out) {
  *out << Describe(action);
}

}  // namespace soak
