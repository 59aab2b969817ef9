#include "tests/e2e/driver/input.h"

#include <stdexcept>
#include <string>

#include "tests/e2e/driver/driver.h"

namespace e2e {
namespace {

void SendKey(WORD virtual_key, bool extended, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &input, sizeof input);
}

// Absolute pointer coordinates run from 0 to 65535 across the screen. Rounded up, they map back to
// the same pixel whether the system rounds (Windows) or truncates (Wine).
LONG Normalised(LONG coordinate, int screen_size) {
  return static_cast<LONG>((static_cast<long long>(coordinate) * 65536 + screen_size - 1) /
                           screen_size);
}

void SendMouse(POINT point, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void KeyDown(WORD virtual_key, bool extended) {
  SendKey(virtual_key, extended, false);
}
void KeyUp(WORD virtual_key, bool extended) {
  SendKey(virtual_key, extended, true);
}

void MovePointer(POINT screen_point) {
  // Under Wine a move can be lost now and then: the X server may report the pointer where it was
  // after the move has been queued, on a busy machine once in a few hundred moves. So the move
  // is sent again until the pointer is there.
  constexpr DWORD kResendMs = 250;
  POINT at{};
  const auto there = [&] {
    GetCursorPos(&at);
    return at.x == screen_point.x && at.y == screen_point.y;
  };
  const bool arrived = WaitUntil([&] {
    SendMouse(screen_point, 0);
    return WaitUntil(there, kResendMs);
  });
  if (!arrived) {
    throw std::runtime_error("the pointer went to (" + std::to_string(at.x) + ", " +
                             std::to_string(at.y) + ") instead of (" +
                             std::to_string(screen_point.x) + ", " +
                             std::to_string(screen_point.y) + ")");
  }
}

void ButtonDown(POINT screen_point, Button button) {
  MovePointer(screen_point);
  SendMouse(screen_point, button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void ButtonUp(POINT screen_point, Button button) {
  SendMouse(screen_point, button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

}  // namespace e2e
