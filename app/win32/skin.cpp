#include "app/win32/skin.h"

#include <windows.h>

#include "app/win32/skin_controls.h"
#include "app/win32/skin_palette.h"

namespace win32 {
namespace {

struct SkinInForce {
  int style = 0;
  HHOOK creation_hook = nullptr;
  // Referenced by every skinned window's subclass, so deleted only once no window uses it. A
  // thread that ends with a skin on leaves it to the system: its windows may still be painted
  // while they are torn down.
  SkinTools* tools = nullptr;
};

// Hooks and subclasses belong to the thread whose windows they draw.
thread_local SkinInForce skin;

using WindowVisitor = void (*)(HWND);

BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor) {
  reinterpret_cast<WindowVisitor>(visitor)(window);
  return TRUE;
}

BOOL CALLBACK VisitWindowAndDescendants(HWND window, LPARAM visitor) {
  VisitWindow(window, visitor);
  EnumChildWindows(window, VisitWindow, visitor);
  return TRUE;
}

// Every window of the thread: its top-level windows (the main window, message boxes) and all
// their descendants.
void ForEachWindowOfThread(WindowVisitor visit) {
  EnumThreadWindows(GetCurrentThreadId(), VisitWindowAndDescendants,
                    reinterpret_cast<LPARAM>(visit));
}

void Skin(HWND window) {
  SkinWindow(window, *skin.tools);
}

void Repaint(HWND top_level) {
  RedrawWindow(top_level, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void RepaintThreadWindows() {
  EnumThreadWindows(GetCurrentThreadId(), VisitWindow, reinterpret_cast<LPARAM>(&Repaint));
}

// Windows created from now on are skinned before they first paint, the buttons that a message
// box creates for itself included.
LRESULT CALLBACK SkinNewWindow(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && skin.tools) Skin(reinterpret_cast<HWND>(wparam));
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void RemoveSkin() {
  if (skin.creation_hook) UnhookWindowsHookEx(skin.creation_hook);
  skin.creation_hook = nullptr;
  ForEachWindowOfThread(UnskinWindow);
  delete skin.tools;
  skin.tools = nullptr;
  skin.style = 0;
}

}  // namespace

void ApplySkin(int style) {
  RemoveSkin();
  if (const auto palette = SkinPaletteOf(style)) {
    skin.tools = new SkinTools(*palette);
    skin.style = style;
    ForEachWindowOfThread(Skin);
    skin.creation_hook = SetWindowsHookExW(WH_CBT, SkinNewWindow, nullptr, GetCurrentThreadId());
  }
  RepaintThreadWindows();
}

int SkinStyle() {
  return skin.style;
}

}  // namespace win32
