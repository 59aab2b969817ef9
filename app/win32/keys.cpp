#include "app/win32/keys.h"

#include "app/window.h"

namespace win32 {
namespace {

bool IsDown(int virtual_key) {
  return GetKeyState(virtual_key) < 0;
}

}  // namespace

int KeyCodeOf(WPARAM virtual_key) {
  if (virtual_key >= VK_NUMPAD0 && virtual_key <= VK_NUMPAD9) {
    return '0' + static_cast<int>(virtual_key - VK_NUMPAD0);
  }
  switch (virtual_key) {
    case VK_SUBTRACT:
      return VK_OEM_MINUS;
    case VK_DECIMAL:
      return VK_OEM_PERIOD;
    case VK_DIVIDE:
      return VK_OEM_2;
    default:
      return static_cast<int>(virtual_key);
  }
}

int ModifierState() {
  return (IsDown(VK_CONTROL) ? app::kShiftCtrl : 0) + (IsDown(VK_SHIFT) ? app::kShiftShift : 0) +
         (IsDown(VK_MENU) ? app::kShiftAlt : 0);
}

int MouseKeyState(WPARAM mouse_keys) {
  return ((mouse_keys & MK_CONTROL) ? app::kShiftCtrl : 0) +
         ((mouse_keys & MK_SHIFT) ? app::kShiftShift : 0) + (IsDown(VK_MENU) ? app::kShiftAlt : 0);
}

}  // namespace win32
