// The windows the skin draws, and the subclass procedures that draw them: push buttons, check
// boxes, radio buttons and group boxes entirely; edit boxes, list boxes, list and tree views and
// rich edit boxes their border. Labels (STATIC) and every other window keep their own drawing.
#pragma once

#include <windows.h>

namespace win32 {

class SkinTools;

// Subclasses `window` when it is of a kind the skin draws; subclassing it again only hands it
// the new tools, so styles never stack.
void SkinWindow(HWND window, const SkinTools& tools);

// Gives the window back its own drawing; nothing for a window the skin never drew.
void UnskinWindow(HWND window);

}  // namespace win32
