// Controls that draw themselves, labels and group boxes: the messages that paint them and that
// change their text, answered the same way for both.
#pragma once

#include <windows.h>

#include <optional>

namespace win32 {

class ControlColours;

using PaintFunction = void (*)(HWND window, HDC dc, const ControlColours& colours);
using RepaintFunction = void (*)(HWND window);

// Answers WM_ERASEBKGND (the background is painted with the rest, or not at all), WM_PAINT and
// WM_PRINTCLIENT with `paint`, and WM_SETTEXT by storing the text and calling `repaint`: the
// class's own handling would draw the new text its way first. None for every other message.
std::optional<LRESULT> DrawItself(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  PaintFunction paint, RepaintFunction repaint,
                                  const ControlColours& colours);

}  // namespace win32
