// The fonts of the form: created once for each distinct face, height and weight, and kept until
// the window is gone.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "app/form.h"

namespace win32 {

// The LOGFONT of a form font: face, negative height and weight from the form; the default
// character set, PROOF_QUALITY and the defaults for everything else.
LOGFONTW LogFontOf(const app::Font& font);

class Fonts {
 public:
  Fonts() = default;
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  ~Fonts();

  // The stock GUI font for app::kGuiFont; null when a font cannot be created.
  HFONT Get(const app::Font& font);

 private:
  std::vector<std::pair<app::Font, HFONT>> created_;
};

// The height of the character "吴" in `font`: the line height of a one-line edit box.
int LineHeight(HFONT font);

}  // namespace win32
