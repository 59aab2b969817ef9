// The skin: the owner-drawn look of the thread's standard controls. For now the style is only
// recorded and every control keeps the system's look; this is the one place that will draw it.
#pragma once

namespace win32 {

// 1, 2 or 3: a flat owner-drawn look for every window of the thread; any other number: the
// system's look.
void ApplySkin(int style);
// The style last applied; 0 before any.
int SkinStyle();

}  // namespace win32
