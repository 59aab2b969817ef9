#include "app/win32/window_builder.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "app/win32/colours.h"
#include "app/win32/fonts.h"
#include "app/win32/group_boxes.h"
#include "app/win32/labels.h"
#include "app/win32/text.h"

namespace win32 {
namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct WindowClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

DWORD EditStyle(const app::ControlForm& form) {
  DWORD style =
      form.multi_line ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
  if (form.align == app::Align::Centre) style |= ES_CENTER;
  if (form.read_only) style |= ES_READONLY;
  return style;
}

DWORD LabelStyle(const app::ControlForm& form) {
  return SS_NOPREFIX | (form.align == app::Align::Centre ? SS_CENTER : SS_LEFT);
}

// The Win32 class and styles of a control; none for the timer, which has no window.
std::optional<WindowClass> ClassOf(const app::ControlForm& form) {
  switch (form.kind) {
    case app::Kind::编辑框:
      return WindowClass{WC_EDITW, EditStyle(form), WS_EX_CLIENTEDGE};
    case app::Kind::标签:
    case app::Kind::透明标签:
      return WindowClass{WC_STATICW, LabelStyle(form), 0};
    case app::Kind::按钮:
      return WindowClass{WC_BUTTONW, BS_PUSHBUTTON, 0};
    case app::Kind::选择框:
      return WindowClass{WC_BUTTONW, BS_AUTOCHECKBOX | BS_VCENTER, 0};
    case app::Kind::分组框:
      return WindowClass{WC_BUTTONW, BS_GROUPBOX, 0};
    case app::Kind::时钟:
      return std::nullopt;
  }
  return std::nullopt;
}

// The program's own icon at one of the system's icon sizes; shared, so never destroyed.
HICON ProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                       GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_SHARED));
}

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = ProgramIcon(instance, SM_CXICON, SM_CYICON);
  window_class.hIconSm = ProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance, void* creation_data) {
  const app::WindowForm& form = app::MainWindowForm();
  const POINT origin =
      CentredOrigin(SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                    SIZE{form.width, form.height});
  return CreateWindowExW(WS_EX_APPWINDOW, kMainWindowClass, WideFromGbk(form.title).c_str(),
                         kMainStyle, origin.x, origin.y, form.width, form.height, nullptr, nullptr,
                         instance, creation_data);
}

// One-line edit boxes grow to hold a line of their font.
void KeepOneLineEditTallEnough(HWND edit, const app::ControlForm& form, HFONT font) {
  const int height = OneLineEditHeight(form.height, LineHeight(font), GetSystemMetrics(SM_CYEDGE));
  if (height == form.height) return;
  SetWindowPos(edit, nullptr, 0, 0, form.width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Settings that only exist once the window does: font, colours, own drawing.
bool FinishControl(HWND window, const app::ControlForm& form, Fonts& fonts,
                   const ControlColours& colours) {
  HFONT font = fonts.Get(form.font);
  if (!font) return false;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (form.kind) {
    case app::Kind::编辑框:
      // No length limit: the control's own default stops a paste at about 30,000 characters
      // and drops the rest without a word.
      SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
      if (!form.multi_line) KeepOneLineEditTallEnough(window, form, font);
      break;
    case app::Kind::标签:
    case app::Kind::透明标签:
      DrawLabelItself(window, colours);
      break;
    case app::Kind::分组框:
      TakeOverGroupBox(window, colours);
      break;
    case app::Kind::选择框:
      // A themed check box ignores the colours it is given; these carry the form's.
      SetWindowTheme(window, L"", L"");
      break;
    default:
      break;
  }
  return true;
}

HWND CreateControl(const app::ControlForm& form, HWND parent, HINSTANCE instance, Fonts& fonts,
                   const ControlColours& colours) {
  const auto window_class = ClassOf(form);
  const DWORD style =
      WS_CHILD | WS_CLIPSIBLINGS | window_class->style | (form.tab_stop ? WS_TABSTOP : 0);
  HWND window =
      CreateWindowExW(window_class->ex_style, window_class->name, WideFromGbk(form.text).c_str(),
                      style, form.left, form.top, form.width, form.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(app::ControlId(form.control))),
                      instance, nullptr);
  if (window && !FinishControl(window, form, fonts, colours)) {
    DestroyWindow(window);
    return nullptr;
  }
  return window;
}

// Within each parent the first control of the form lies on top.
void StackInFormOrder(const BuiltWindow& built) {
  std::array<HWND, app::kControlCount + 1> above{};  // last placed child of each parent
  for (const app::ControlForm& form : app::Controls()) {
    HWND window = built.controls[static_cast<std::size_t>(app::Index(form.control))];
    if (!window) continue;
    const std::size_t parent =
        form.parent ? static_cast<std::size_t>(app::Index(*form.parent)) : app::kControlCount;
    SetWindowPos(window, above[parent] ? above[parent] : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above[parent] = window;
  }
}

void ShowVisibleControls(const BuiltWindow& built) {
  for (const app::ControlForm& form : app::Controls()) {
    HWND window = built.controls[static_cast<std::size_t>(app::Index(form.control))];
    if (window && form.visible) ShowWindow(window, SW_SHOWNA);
  }
}

}  // namespace

std::wstring FormProblem() {
  const auto controls = app::Controls();
  if (controls.size() != app::kControlCount) return L"窗体的控件数目不对。";
  for (int index = 0; index < app::kControlCount; ++index) {
    const app::ControlForm& form = controls[static_cast<std::size_t>(index)];
    const std::wstring name = WideFromUtf8(form.name);
    if (form.control != app::ControlAt(index)) return L"窗体的控件次序不对：" + name;
    if (!form.parent) continue;
    const app::ControlForm& parent = app::FormOf(*form.parent);
    if (parent.kind != app::Kind::分组框 || parent.parent || app::Index(*form.parent) >= index) {
      return L"控件的上级不是它之前的分组框：" + name;
    }
  }
  for (app::Control control : app::TabSequence()) {
    if (app::Index(control) < 0 || app::Index(control) >= app::kControlCount) {
      return L"Tab 次序里有不存在的控件。";
    }
  }
  return {};
}

POINT CentredOrigin(SIZE screen, SIZE window) {
  return POINT{(screen.cx - window.cx) / 2, (screen.cy - window.cy) / 2};
}

int OneLineEditHeight(int form_height, int line_height, int edge_height) {
  return std::max(form_height, line_height + 2 * edge_height);
}

BuiltWindow BuildMainWindow(HINSTANCE instance, WNDPROC main_procedure, void* creation_data,
                            Fonts& fonts, const ControlColours& colours) {
  BuiltWindow built;
  if (!RegisterMainWindowClass(instance, main_procedure)) return built;
  HWND main = CreateMainWindow(instance, creation_data);
  if (!main) return built;
  for (const app::ControlForm& form : app::Controls()) {
    if (!ClassOf(form)) continue;
    HWND parent =
        form.parent ? built.controls[static_cast<std::size_t>(app::Index(*form.parent))] : main;
    HWND window = CreateControl(form, parent, instance, fonts, colours);
    if (!window) {
      DestroyWindow(main);
      return built;
    }
    built.controls[static_cast<std::size_t>(app::Index(form.control))] = window;
  }
  StackInFormOrder(built);
  ShowVisibleControls(built);
  built.main = main;
  return built;
}

}  // namespace win32
