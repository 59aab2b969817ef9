#include "tests/e2e/skin/pixels.h"

#include <algorithm>

namespace skin_test {

Pixels::Pixels(HDC source, int x, int y, int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  const auto* bgra = static_cast<const DWORD*>(bits);
  colours_.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int i = 0; i < width * height; ++i) {
    const DWORD pixel = bgra[i];  // blue in the low byte
    colours_.push_back(RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel)));
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

Pixels Pixels::FromScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  HDC screen = GetDC(nullptr);
  Pixels pixels(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(nullptr, screen);
  return pixels;
}

Pixels Pixels::FromWindowDc(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  HDC dc = GetWindowDC(window);
  Pixels pixels(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(window, dc);
  return pixels;
}

COLORREF Pixels::At(int x, int y) const {
  return colours_[static_cast<std::size_t>(y * width_ + x)];
}

int Pixels::Count(COLORREF colour) const {
  return static_cast<int>(std::count(colours_.begin(), colours_.end(), colour));
}

Pixels Pixels::Part(const RECT& area) const {
  const int left = std::clamp<int>(area.left, 0, width_);
  const int top = std::clamp<int>(area.top, 0, height_);
  const int right = std::clamp<int>(area.right, left, width_);
  const int bottom = std::clamp<int>(area.bottom, top, height_);
  Pixels part(right - left, bottom - top);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) part.colours_.push_back(At(x, y));
  }
  return part;
}

}  // namespace skin_test
