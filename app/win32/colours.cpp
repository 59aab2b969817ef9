#include "app/win32/colours.h"

namespace win32 {
namespace {

constexpr app::Colour kEditBackground = 0xFFFFFF;

std::size_t Slot(app::Control control) {
  return static_cast<std::size_t>(app::Index(control));
}

}  // namespace

ControlColours::ControlColours() {
  for (const app::ControlForm& form : app::Controls()) {
    text_[Slot(form.control)] = form.text_colour;
    const auto background =
        form.background
            ? form.background
            : (form.kind == app::Kind::编辑框 ? std::optional(kEditBackground) : std::nullopt);
    if (background) own_background_[Slot(form.control)] = CreateSolidBrush(*background);
  }
}

ControlColours::~ControlColours() {
  for (HBRUSH brush : own_background_) {
    if (brush) DeleteObject(brush);
  }
}

void ControlColours::SetTextColour(app::Control control, app::Colour colour) {
  text_[Slot(control)] = colour;
}

app::Colour ControlColours::TextColour(app::Control control) const {
  return text_[Slot(control)];
}

HBRUSH ControlColours::Background(app::Control control) const {
  HBRUSH own = own_background_[Slot(control)];
  return own ? own : GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH ControlColours::Prepare(HDC dc, app::Control control, HWND window) const {
  const app::Kind kind = app::FormOf(control).kind;
  if (kind == app::Kind::按钮) return nullptr;
  if (kind == app::Kind::编辑框 && !IsWindowEnabled(window)) return nullptr;
  HBRUSH background = Background(control);
  LOGBRUSH brush{};
  GetObjectW(background, sizeof brush, &brush);
  SetTextColor(dc, text_[Slot(control)]);
  SetBkColor(dc, brush.lbColor);
  return background;
}

}  // namespace win32
