// The colours of the skin's three styles, and the pens and brushes they are drawn with.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace win32 {

// The inks of a style. Every skinned control has an outer frame in `frame`; the focused (or
// default) control shows an inner ring in `focus`.
enum class Ink {
  Frame,
  FrameDisabled,
  Focus,
  Face,         // push buttons
  FaceHot,      // under the pointer
  FacePressed,  // held down, or a push-like check box that is ticked
  Box,          // the inside of a check box or radio button
  Mark,         // the tick, the radio dot
  Text,         // push button captions
  TextDisabled,
};
inline constexpr std::size_t kInkCount = static_cast<std::size_t>(Ink::TextDisabled) + 1;

struct SkinPalette {
  std::array<COLORREF, kInkCount> inks{};
  int frame_width = 1;  // pixels, drawn inside the control's rectangle
  int corner = 0;       // diameter of the rounded corners of buttons and group boxes; 0: square

  COLORREF operator[](Ink ink) const { return inks[static_cast<std::size_t>(ink)]; }
};

// The palette of style 1, 2 or 3; none for any other number, which stands for the system's look.
std::optional<SkinPalette> SkinPaletteOf(int style);

// A pen and a brush for every ink of a palette, made when the style is applied and deleted with
// it, so that painting itself creates no GDI object. Frame pens are `frame_width` wide, the mark
// pen two pixels; all pens draw inside the shapes they outline.
class SkinTools {
 public:
  explicit SkinTools(const SkinPalette& palette);
  SkinTools(const SkinTools&) = delete;
  SkinTools& operator=(const SkinTools&) = delete;
  ~SkinTools();

  const SkinPalette& Palette() const { return palette_; }
  COLORREF Colour(Ink ink) const { return palette_[ink]; }
  HPEN Pen(Ink ink) const { return pens_[static_cast<std::size_t>(ink)]; }
  HBRUSH Brush(Ink ink) const { return brushes_[static_cast<std::size_t>(ink)]; }

 private:
  SkinPalette palette_;
  std::array<HPEN, kInkCount> pens_{};
  std::array<HBRUSH, kInkCount> brushes_{};
};

}  // namespace win32
