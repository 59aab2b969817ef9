// The form of the main window, as data: the window's settings, its 47 controls, the fixed Tab
// sequence and the event bindings. Backends walk these tables; nothing else hard-codes a
// control's place, text or handler.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "app/window.h"

namespace app {

enum class Kind { 编辑框, 标签, 透明标签, 按钮, 选择框, 分组框, 时钟 };

// A font given by face, character height in pixels (a negative LOGFONT height) and weight, or the
// platform's stock GUI font.
struct Font {
  bool gui = true;             // the stock GUI font; the other fields are unused
  std::string_view face = {};  // GBK; empty: the platform's font mapper picks the face
  int height = 0;              // character height in pixels, without internal leading
  int weight = 400;            // 400 regular, 700 bold

  friend bool operator==(const Font&, const Font&) = default;
};

inline constexpr Font kGuiFont{};
constexpr Font FontOf(std::string_view face, int height, int weight) {
  return Font{false, face, height, weight};
}

enum class Align { Left, Centre };

struct ControlForm {
  Control control;
  std::u8string_view name;  // the form name, UTF-8, for messages and tools
  Kind kind;
  std::optional<Control> parent;  // a group box, or none for the window itself
  int left = 0;                   // relative to the parent's client area (a group box's
  int top = 0;                    // whole rectangle)
  int width = 0;
  int height = 0;
  std::string_view text;  // initial text, GBK
  Font font = kGuiFont;
  Colour text_colour = 0x000000;
  std::optional<Colour> background;  // none: the kind's default (button face, edit white)
  Align align = Align::Left;
  bool visible = true;
  bool read_only = false;
  bool multi_line = false;  // with wrap and a vertical scroll bar
  bool word_wrap = false;   // labels: laid out from the top, wrapped
  bool tab_stop = false;
};

struct WindowForm {
  std::string_view title;  // GBK
  int width = 0;           // outer size, frame and caption included
  int height = 0;
  Font font = kGuiFont;
};

// (control, event) -> handler; a binding without a control belongs to the window itself.
struct Binding {
  std::optional<Control> control;
  Event event;
  Handler handler;
};

const WindowForm& MainWindowForm();

// All 47 controls in form order: Controls()[Index(c)].control == c.
std::span<const ControlForm> Controls();
const ControlForm& FormOf(Control control);

// The fixed Tab sequence, 定位编辑框1 included at its place.
std::span<const Control> TabSequence();

// Where Tab (or Shift+Tab when `backward`) moves the focus from `current`: the next control of
// the sequence, wrapping around, that is a visible Tab stop and `enabled` at this moment. A
// control of the sequence that is left out (hidden or disabled) still marks a place; from no
// control, or one outside the sequence, Tab goes to the first member and Shift+Tab to the last.
// None when no control qualifies.
std::optional<Control> NextTabStop(std::optional<Control> current, bool backward,
                                   const std::function<bool(Control)>& enabled);

std::span<const Binding> Bindings();
// The handler bound to (control, event), or nullptr. No control: the window's own events.
Handler FindHandler(std::optional<Control> control, Event event);

}  // namespace app
