// The pixels of a window as 0x00BBGGRR colours, the frame included: read from the screen, or,
// for a window of this process, from the window's own DC exactly as its painting left it.
#pragma once

#include <windows.h>

#include <vector>

namespace skin_test {

class Pixels {
 public:
  static Pixels FromScreen(HWND window);
  static Pixels FromWindowDc(HWND window);

  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const;
  // The pixel in the middle of the left edge: where every skinned control shows its frame.
  COLORREF LeftEdge() const { return At(0, height_ / 2); }
  int Count(COLORREF colour) const;
  // The pixels within `area` (window coordinates) as a picture of their own.
  Pixels Part(const RECT& area) const;

  friend bool operator==(const Pixels&, const Pixels&) = default;

 private:
  Pixels(HDC source, int x, int y, int width, int height);
  Pixels(int width, int height) : width_(width), height_(height) {}

  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> colours_;
};

}  // namespace skin_test
