// The skin: a flat, owner-drawn look for the standard controls of every window of the thread,
// those that exist and those created later (message boxes and their buttons too). Labels keep
// their own drawing. The skin changes how controls look, never what they are or report: edit
// boxes stay edit boxes, check boxes keep their state, styles stay as they were set.
#pragma once

namespace win32 {

// 1, 2 or 3: removes any skin in force, then skins every window of the calling thread and, through
// a hook on window creation, every window it creates from now on. Style 1 is flat with blue-grey
// frames, style 2 graphite with rounded buttons, style 3 teal with two-pixel frames. Any other
// number: the system's look again. Either way every window of the thread is repainted.
void ApplySkin(int style);

// The style in force on this thread: 1, 2 or 3, or 0 for the system's look.
int SkinStyle();

}  // namespace win32
