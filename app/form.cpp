// The main window's form: every fact about the window and its 47 controls that is fixed before
// any handler runs, in one place. Texts and face names are GBK (the sources compile narrow
// literals to code page 936).
#include "app/form.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "app/startup.h"
#include "pricing/price_presets.h"
#include "pricing/print_charge.h"
#include "totals/fee_slots.h"
#include "totals/grand_total.h"
#include "utilities/utility_actions.h"

namespace app {
namespace {

using enum Control;

constexpr std::string_view kSongTi = "宋体";
constexpr std::string_view kHeiTi = "黑体";
constexpr std::string_view kYaHei = "微软雅黑";

constexpr Colour kBlue = 0xFF0000;
constexpr Colour kBrightBlue = 0xFF8800;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kOrange = 0x0080FF;
constexpr Colour kLightGreen = 0x00E080;
constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kYellow = 0x00FFFF;

constexpr int kRegular = 400;
constexpr int kBold = 700;

// A font of the platform's default face: its font mapper picks the face for the height.
constexpr Font Default(int height, int weight = kRegular) {
  return FontOf({}, height, weight);
}
constexpr Font SongTi(int height, int weight) {
  return FontOf(kSongTi, height, weight);
}
constexpr Font HeiTi(int height, int weight) {
  return FontOf(kHeiTi, height, weight);
}

constexpr std::optional<Control> kWindow = std::nullopt;
constexpr std::optional<Control> kPrint = 分组框1;
constexpr std::optional<Control> kTotals = 分组框2;

// A row with the defaults of its kind; the modifiers below apply what the row says differs.
constexpr ControlForm Row(Kind kind, Control c, std::u8string_view name,
                          std::optional<Control> parent, int left, int top, int width, int height,
                          std::string_view text, Font font) {
  const bool takes_focus = kind == Kind::编辑框 || kind == Kind::按钮 || kind == Kind::选择框;
  return ControlForm{.control = c,
                     .name = name,
                     .kind = kind,
                     .parent = parent,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .text = text,
                     .font = font,
                     .text_colour = 0x000000,
                     .background = std::nullopt,
                     .align = kind == Kind::按钮 ? Align::Centre : Align::Left,
                     .visible = kind != Kind::时钟,
                     .read_only = false,
                     .multi_line = false,
                     .word_wrap = false,
                     .tab_stop = takes_focus};
}

constexpr ControlForm Coloured(ControlForm form, Colour colour) {
  form.text_colour = colour;
  return form;
}
constexpr ControlForm OnBackground(ControlForm form, Colour colour) {
  form.background = colour;
  return form;
}
constexpr ControlForm Centred(ControlForm form) {
  form.align = Align::Centre;
  return form;
}
constexpr ControlForm ReadOnly(ControlForm form) {
  form.read_only = true;
  return form;
}
constexpr ControlForm Hidden(ControlForm form) {
  form.visible = false;
  return form;
}
constexpr ControlForm MultiLine(ControlForm form) {
  form.multi_line = true;
  return form;
}
constexpr ControlForm WordWrap(ControlForm form) {
  form.word_wrap = true;
  return form;
}

// The control and its form name, spelled once.
#define NAMED(control) control, u8"" #control

constexpr Kind kEdit = Kind::编辑框;
constexpr Kind kLabel = Kind::标签;
constexpr Kind kClearLabel = Kind::透明标签;
constexpr Kind kButton = Kind::按钮;
constexpr Kind kCheck = Kind::选择框;
constexpr Kind kGroup = Kind::分组框;
constexpr Kind kTimer = Kind::时钟;

// The form's order: the window's children, then 分组框1's, then 分组框2's, each topmost first.
// Where two overlap, the one listed first covers the other: 编辑框7 the right 12 px of 标签7,
// 编辑框5 the right 3 px of 标签1.
constexpr std::array<ControlForm, kControlCount> kControls{{
    Coloured(Row(kClearLabel, NAMED(透明标签3), kWindow, 323, 336, 56, 24, "自助服务", kGuiFont),
             kLightGreen),
    Centred(Coloured(
        Row(kClearLabel, NAMED(透明标签2), kWindow, 494, 336, 64, 24, "检测更新", kGuiFont),
        kBrightBlue)),
    Coloured(Row(kClearLabel, NAMED(透明标签1), kWindow, 104, 336, 152, 24, "Brannoch", kGuiFont),
             kOrange),
    // Two spaces before the line break and six after it: the second line sits under the first
    // price.
    WordWrap(Coloured(Row(kLabel, NAMED(标签16), kWindow, 376, 8, 184, 35,
                          "黑白：单面0.6元/张  \r\n      双面0.9元/张", Default(16, kBold)),
                      kBlue)),
    MultiLine(Row(kEdit, NAMED(编辑框2), kWindow, 368, 48, 192, 280, "", Default(16))),
    Coloured(Row(kGroup, NAMED(分组框2), kWindow, 5, 166, 363, 168, "综合计算", Default(16)),
             kOrange),
    Coloured(Row(kGroup, NAMED(分组框1), kWindow, 5, 2, 363, 158, "打印模块", Default(16)), kBlue),

    // 分组框1, the print charge.
    Centred(Coloured(
        Row(kClearLabel, NAMED(透明标签4), kPrint, 115, 133, 96, 16, "打开文件夹", Default(16)),
        kBrightBlue)),
    Coloured(Row(kCheck, NAMED(选择框2), kPrint, 233, 132, 84, 16, "显示最前面", kGuiFont),
             kOrange),
    Row(kCheck, NAMED(选择框1), kPrint, 13, 127, 85, 20, "双面打印", Default(16)),
    Row(kCheck, NAMED(选择框7), kPrint, 196, 102, 85, 20, "排版费用", Default(16)),
    Centred(Row(kEdit, NAMED(编辑框7), kPrint, 306, 60, 48, 24, "", Default(16))),
    // The one-byte colon.
    Coloured(Row(kLabel, NAMED(标签7), kPrint, 238, 61, 80, 20, "排版费用:", Default(16, kBold)),
             kRed),
    Row(kCheck, NAMED(选择框6), kPrint, 107, 102, 85, 20, "彩色打印", Default(16)),
    Row(kCheck, NAMED(选择框5), kPrint, 13, 102, 85, 20, "默认价格", Default(16)),
    Row(kLabel, NAMED(标签6), kPrint, 209, 66, 20, 24, "元", Default(20, kBold)),
    Row(kButton, NAMED(按钮2), kPrint, 284, 93, 71, 34, "打印合计", SongTi(14, kBold)),
    Row(kLabel, NAMED(标签5), kPrint, 12, 56, 106, 32, "打印金额：", FontOf(kYaHei, 24, kBold)),
    Centred(Coloured(Row(kEdit, NAMED(编辑框3), kPrint, 119, 54, 90, 40, "", SongTi(24, kBold)),
                     kBlue)),
    Row(kLabel, NAMED(标签4), kPrint, 300, 25, 55, 20, "元/张", Default(19, kBold)),
    // The one-byte comma.
    Row(kLabel, NAMED(标签3), kPrint, 180, 25, 50, 20, ",单价", HeiTi(19, kRegular)),
    Centred(Row(kEdit, NAMED(编辑框6), kPrint, 230, 23, 69, 24, "自定义", SongTi(19, kBold))),
    Row(kLabel, NAMED(标签2), kPrint, 156, 25, 24, 20, "张", HeiTi(19, kBold)),
    Row(kEdit, NAMED(编辑框5), kPrint, 104, 23, 52, 24, "", SongTi(19, kRegular)),
    // The one-byte colon.
    Row(kLabel, NAMED(标签1), kPrint, 11, 25, 96, 20, "打印数量:", HeiTi(19, kBold)),

    // 分组框2, the fee slots and the grand total.
    Row(kButton, NAMED(按钮1), kTotals, 293, 102, 56, 32, "计算器", kGuiFont),
    Centred(Row(kEdit, NAMED(编辑框13), kTotals, 153, 97, 48, 24, "", Default(16))),
    // Never shown: it takes the focus away from the visible boxes.
    Hidden(Row(kEdit, NAMED(定位编辑框1), kTotals, 288, 136, 20, 20, "", kGuiFont)),
    Row(kTimer, NAMED(时钟1), kTotals, 320, 136, 32, 16, "", kGuiFont),
    Row(kButton, NAMED(按钮6), kTotals, 178, 127, 72, 32, "总合计", Default(12, kBold)),
    OnBackground(
        Centred(Coloured(
            Row(kEdit, NAMED(编辑框14), kTotals, 75, 127, 96, 32, "", SongTi(19, kBold)), kRed)),
        kYellow),
    Coloured(Row(kLabel, NAMED(标签15), kTotals, 7, 133, 65, 24, "总合计：", Default(19, kBold)),
             kMagenta),
    Centred(Row(kEdit, NAMED(编辑框12), kTotals, 105, 97, 48, 24, "", Default(16))),
    Centred(Row(kEdit, NAMED(编辑框11), kTotals, 56, 97, 48, 24, "", Default(16))),
    Row(kLabel, NAMED(标签14), kTotals, 8, 97, 50, 20, "自定义：", Default(14)),
    Row(kButton, NAMED(按钮5), kTotals, 276, 74, 72, 24, "加入保存3", kGuiFont),
    Row(kLabel, NAMED(标签13), kTotals, 115, 75, 158, 20, "备注：", Default(16)),
    ReadOnly(Row(kEdit, NAMED(编辑框10), kTotals, 56, 72, 56, 24, "", Default(16))),
    Row(kLabel, NAMED(标签12), kTotals, 8, 73, 50, 20, "费用三：", Default(14)),
    Row(kButton, NAMED(按钮4), kTotals, 276, 46, 72, 24, "加入保存2", kGuiFont),
    Row(kLabel, NAMED(标签11), kTotals, 115, 49, 158, 20, "备注：", Default(16)),
    ReadOnly(Row(kEdit, NAMED(编辑框9), kTotals, 56, 46, 56, 24, "", Default(16))),
    Row(kLabel, NAMED(标签10), kTotals, 8, 48, 50, 20, "费用二：", Default(14)),
    Row(kButton, NAMED(按钮3), kTotals, 275, 17, 72, 24, "加入保存1", kGuiFont),
    Row(kLabel, NAMED(标签9), kTotals, 115, 21, 158, 20, "备注：", Default(16)),
    ReadOnly(Row(kEdit, NAMED(编辑框8), kTotals, 56, 20, 56, 24, "", Default(16))),
    Row(kLabel, NAMED(标签8), kTotals, 8, 21, 50, 20, "费用一：", Default(14)),
}};

#undef NAMED

constexpr bool InFormOrder() {
  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].control != ControlAt(i)) return false;
  }
  return true;
}
static_assert(InFormOrder(), "the control table must follow the order of enum class Control");

constexpr WindowForm kWindowForm{"QuorvaneV1.2", 569, 391, kGuiFont};

// Every control has the Tab-order key 0, so Tab follows this sequence.
constexpr std::array kTabSequence{
    编辑框5,  编辑框6, 编辑框3,     按钮2,    选择框5,  选择框6, 编辑框7,  选择框7,
    编辑框8,  按钮3,   编辑框9,     按钮4,    编辑框10, 按钮5,   编辑框11, 编辑框12,
    编辑框14, 按钮6,   定位编辑框1, 编辑框13, 编辑框2,  按钮1,   选择框1,  选择框2,
};

// Only these events reach a handler; every other event of every control is ignored.
const std::array kBindings{
    Binding{std::nullopt, Event::WindowReady, &app::WindowReady},
    Binding{std::nullopt, Event::CloseQuery, &app::CloseQuery},
    // Unit price presets.
    Binding{选择框5, Event::Click, &pricing::DefaultPriceClick},
    Binding{选择框6, Event::Click, &pricing::ColourPriceClick},
    Binding{选择框1, Event::Click, &pricing::DoubleSidedClick},
    Binding{编辑框6, Event::LeftButtonDown, &pricing::PriceBoxLeftButtonDown},
    Binding{编辑框6, Event::KeyDown, &pricing::PriceBoxKeyDown},
    // Print charge and layout fee.
    Binding{按钮2, Event::Click, &pricing::PrintChargeClick},
    Binding{编辑框5, Event::KeyDown, &pricing::SheetCountKeyDown},
    Binding{选择框7, Event::Click, &pricing::LayoutFeeClick},
    Binding{时钟1, Event::TimerTick, &pricing::FeeFloorTick},
    // Fee slots.
    Binding{按钮3, Event::Click, &totals::SaveSlot1Click},
    Binding{按钮4, Event::Click, &totals::SaveSlot2Click},
    Binding{按钮5, Event::Click, &totals::SaveSlot3Click},
    Binding{标签8, Event::RightButtonDown, &totals::EmptySlot1RightButtonDown},
    Binding{标签10, Event::RightButtonDown, &totals::EmptySlot2RightButtonDown},
    Binding{标签12, Event::RightButtonDown, &totals::EmptySlot3RightButtonDown},
    // Grand total.
    Binding{按钮6, Event::Click, &totals::GrandTotalClick},
    // Utilities.
    Binding{按钮1, Event::Click, &utilities::CalculatorClick},
    Binding{透明标签4, Event::LeftButtonDown, &utilities::OpenFolderLeftButtonDown},
    Binding{选择框2, Event::Click, &utilities::AlwaysOnTopClick},
    Binding{透明标签3, Event::LeftButtonDown, &utilities::NoticeLeftButtonDown},
};

}  // namespace

const WindowForm& MainWindowForm() {
  return kWindowForm;
}

std::span<const ControlForm> Controls() {
  return kControls;
}

const ControlForm& FormOf(Control control) {
  const int index = Index(control);
  if (index < 0 || index >= kControlCount) throw std::out_of_range("no such control on the form");
  return kControls[index];
}

std::span<const Control> TabSequence() {
  return kTabSequence;
}

std::optional<Control> NextTabStop(std::optional<Control> current, bool backward,
                                   const std::function<bool(Control)>& enabled) {
  const int count = static_cast<int>(kTabSequence.size());
  const auto place =
      current ? std::find(kTabSequence.begin(), kTabSequence.end(), *current) : kTabSequence.end();
  // Without a place, start just outside the sequence.
  const int start = place != kTabSequence.end() ? static_cast<int>(place - kTabSequence.begin())
                                                : (backward ? count : -1);
  for (int moved = 1; moved <= count; ++moved) {
    const int at = ((start + (backward ? -moved : moved)) % count + count) % count;
    const ControlForm& form = FormOf(kTabSequence[at]);
    if (form.tab_stop && form.visible && enabled(form.control)) return form.control;
  }
  return std::nullopt;
}

std::span<const Binding> Bindings() {
  return kBindings;
}

Handler FindHandler(std::optional<Control> control, Event event) {
  for (const Binding& binding : kBindings) {
    if (binding.control == control && binding.event == event) return binding.handler;
  }
  return nullptr;
}

}  // namespace app
