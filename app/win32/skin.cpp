#include "app/win32/skin.h"

namespace win32 {
namespace {

int applied_style = 0;

}  // namespace

void ApplySkin(int style) {
  applied_style = style;
}

int SkinStyle() {
  return applied_style;
}

}  // namespace win32
