#include "tests/e2e/driver/screen.h"

#include <algorithm>

namespace e2e {

Screenshot::Screenshot(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  width_ = rect.right - rect.left;
  height_ = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int i = 0; i < width_ * height_; ++i) {
    const DWORD bgra = pixels[i];  // blue in the low byte
    pixels_.push_back(((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF));
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

int Screenshot::Count(COLORREF colour) const {
  return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), colour));
}

}  // namespace e2e
