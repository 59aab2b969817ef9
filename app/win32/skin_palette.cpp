#include "app/win32/skin_palette.h"

namespace win32 {
namespace {

// In the order of Ink.
constexpr SkinPalette kBlueGrey{
    {RGB(123, 158, 189), RGB(196, 210, 222), RGB(52, 88, 122), RGB(244, 247, 250),
     RGB(226, 235, 244), RGB(200, 218, 233), RGB(255, 255, 255), RGB(36, 74, 108), RGB(0, 0, 0),
     RGB(140, 148, 156)},
    1,
    0};
// Graphite with rounded buttons.
constexpr SkinPalette kGraphite{
    {RGB(96, 104, 112), RGB(190, 194, 198), RGB(30, 36, 42), RGB(242, 242, 242), RGB(230, 231, 232),
     RGB(208, 210, 213), RGB(255, 255, 255), RGB(30, 36, 42), RGB(0, 0, 0), RGB(150, 150, 150)},
    1,
    6};
// Teal with two-pixel frames, easy to see from a step back.
constexpr SkinPalette kBoldTeal{
    {RGB(0, 118, 128), RGB(168, 204, 208), RGB(0, 64, 70), RGB(240, 250, 250), RGB(220, 242, 243),
     RGB(186, 226, 229), RGB(255, 255, 255), RGB(0, 84, 92), RGB(0, 0, 0), RGB(136, 158, 160)},
    2,
    0};

int PenWidth(const SkinPalette& palette, Ink ink) {
  switch (ink) {
    case Ink::Frame:
    case Ink::FrameDisabled:
      return palette.frame_width;
    case Ink::Mark:
      return 2;
    default:
      return 1;
  }
}

}  // namespace

std::optional<SkinPalette> SkinPaletteOf(int style) {
  switch (style) {
    case 1:
      return kBlueGrey;
    case 2:
      return kGraphite;
    case 3:
      return kBoldTeal;
  }
  return std::nullopt;
}

SkinTools::SkinTools(const SkinPalette& palette) : palette_(palette) {
  for (std::size_t i = 0; i < kInkCount; ++i) {
    const Ink ink = static_cast<Ink>(i);
    pens_[i] = CreatePen(PS_INSIDEFRAME, PenWidth(palette, ink), palette[ink]);
    brushes_[i] = CreateSolidBrush(palette[ink]);
  }
}

SkinTools::~SkinTools() {
  for (HPEN pen : pens_) {
    if (pen) DeleteObject(pen);
  }
  for (HBRUSH brush : brushes_) {
    if (brush) DeleteObject(brush);
  }
}

}  // namespace win32
