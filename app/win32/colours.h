// Text and background colours of the controls, answered to the WM_CTLCOLOR* questions that the
// edit boxes, check boxes and group boxes ask before they paint.
#pragma once

#include <windows.h>

#include <array>

#include "app/form.h"

namespace win32 {

class ControlColours {
 public:
  ControlColours();  // the form's colours
  ControlColours(const ControlColours&) = delete;
  ControlColours& operator=(const ControlColours&) = delete;
  ~ControlColours();

  void SetTextColour(app::Control control, app::Colour colour);
  app::Colour TextColour(app::Control control) const;

  // Sets the text and background colour of `dc` for painting `control` and returns the brush for
  // its background; null to leave the control the system's colours (push buttons, and disabled
  // edit boxes, which the system shows greyed).
  HBRUSH Prepare(HDC dc, app::Control control, HWND window) const;

  // The background of a control that draws itself: the form's colour or the kind's default.
  HBRUSH Background(app::Control control) const;

 private:
  std::array<app::Colour, app::kControlCount> text_{};
  std::array<HBRUSH, app::kControlCount> own_background_{};  // null: the kind's default
};

}  // namespace win32
