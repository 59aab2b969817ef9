#include "app/win32/fonts.h"

#include <algorithm>

#include "app/win32/text.h"

namespace win32 {

LOGFONTW LogFontOf(const app::Font& font) {
  LOGFONTW log_font{};
  log_font.lfHeight = -font.height;
  log_font.lfWeight = font.weight;
  log_font.lfCharSet = DEFAULT_CHARSET;
  log_font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log_font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log_font.lfQuality = PROOF_QUALITY;
  log_font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideFromGbk(font.face);
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, log_font.lfFaceName);
  return log_font;
}

Fonts::~Fonts() {
  for (const auto& [font, handle] : created_) DeleteObject(handle);
}

HFONT Fonts::Get(const app::Font& font) {
  if (font.gui) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const auto known = std::find_if(created_.begin(), created_.end(),
                                  [&](const auto& entry) { return entry.first == font; });
  if (known != created_.end()) return known->second;
  const LOGFONTW log_font = LogFontOf(font);
  HFONT handle = CreateFontIndirectW(&log_font);
  if (handle) created_.emplace_back(font, handle);
  return handle;
}

int LineHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, L"吴", 1, &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

}  // namespace win32
