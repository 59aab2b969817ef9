// The pixels of a window as the screen shows them, read the way a person looking at the window
// would see them: what is on top is what counts.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

class Screenshot {
 public:
  explicit Screenshot(HWND window);

  // 0x00BBGGRR, red in the low byte, as COLORREF has it.
  COLORREF At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  int Count(COLORREF colour) const;
  int Size() const { return static_cast<int>(pixels_.size()); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

}  // namespace e2e
