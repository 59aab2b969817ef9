// The form table where a slip is likely: order and names, parents, bindings, the Tab sequence,
// the bytes of texts with look-alike punctuation, fonts and colours, and the geometry of the
// controls that overlap.
#include "app/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/sim/names.h"
#include "app/startup.h"
#include "pricing/price_presets.h"
#include "pricing/print_charge.h"
#include "totals/fee_slots.h"
#include "totals/grand_total.h"
#include "utilities/utility_actions.h"

namespace {

using app::Control;
using app::Event;
using app::Kind;
using enum app::Control;

std::string Utf8(std::u8string_view name) {
  return std::string(name.begin(), name.end());
}
using app::NameOf;

std::vector<Control> AllControls() {
  std::vector<Control> all;
  for (int i = 0; i < app::kControlCount; ++i) all.push_back(app::ControlAt(i));
  return all;
}

TEST(FormTable, ListsTheControlsInFormOrderUnderTheirFormNames) {
  // The window's children, then 分组框1's, then 分组框2's, each topmost first.
  const std::array<std::u8string_view, app::kControlCount> names{
      u8"透明标签3", u8"透明标签2", u8"透明标签1", u8"标签16",      u8"编辑框2", u8"分组框2",
      u8"分组框1",   u8"透明标签4", u8"选择框2",   u8"选择框1",     u8"选择框7", u8"编辑框7",
      u8"标签7",     u8"选择框6",   u8"选择框5",   u8"标签6",       u8"按钮2",   u8"标签5",
      u8"编辑框3",   u8"标签4",     u8"标签3",     u8"编辑框6",     u8"标签2",   u8"编辑框5",
      u8"标签1",     u8"按钮1",     u8"编辑框13",  u8"定位编辑框1", u8"时钟1",   u8"按钮6",
      u8"编辑框14",  u8"标签15",    u8"编辑框12",  u8"编辑框11",    u8"标签14",  u8"按钮5",
      u8"标签13",    u8"编辑框10",  u8"标签12",    u8"按钮4",       u8"标签11",  u8"编辑框9",
      u8"标签10",    u8"按钮3",     u8"标签9",     u8"编辑框8",     u8"标签8",
  };
  ASSERT_EQ(app::Controls().size(), names.size());
  for (int i = 0; i < app::kControlCount; ++i) {
    const app::ControlForm& form = app::Controls()[i];
    EXPECT_EQ(Utf8(form.name), Utf8(names[i])) << "at place " << i;
    EXPECT_EQ(form.control, app::ControlAt(i)) << Utf8(names[i]);
    EXPECT_EQ(&app::FormOf(app::ControlAt(i)), &form) << Utf8(names[i]);
  }
}

TEST(FormTable, KindFollowsTheFormName) {
  const std::array<std::pair<std::string, Kind>, 7> prefixes{{
      {Utf8(u8"定位编辑框"), Kind::编辑框},
      {Utf8(u8"编辑框"), Kind::编辑框},
      {Utf8(u8"透明标签"), Kind::透明标签},
      {Utf8(u8"标签"), Kind::标签},
      {Utf8(u8"按钮"), Kind::按钮},
      {Utf8(u8"选择框"), Kind::选择框},
      {Utf8(u8"分组框"), Kind::分组框},
  }};
  for (const app::ControlForm& form : app::Controls()) {
    const std::string name = Utf8(form.name);
    const auto prefix = std::find_if(prefixes.begin(), prefixes.end(),
                                     [&](const auto& p) { return name.starts_with(p.first); });
    const Kind expected = prefix != prefixes.end() ? prefix->second : Kind::时钟;
    EXPECT_EQ(form.kind, expected) << name;
  }
  EXPECT_EQ(app::FormOf(时钟1).kind, Kind::时钟);
}

TEST(FormTable, SevenControlsOnTheWindowEighteenInThePrintGroupTwentyTwoInTheTotalsGroup) {
  std::map<std::optional<Control>, std::vector<int>> places;
  for (int i = 0; i < app::kControlCount; ++i) places[app::Controls()[i].parent].push_back(i);
  ASSERT_EQ(places.size(), 3u);

  auto contiguous = [](const std::vector<int>& at, int first, int count) {
    std::vector<int> expected(count);
    for (int i = 0; i < count; ++i) expected[i] = first + i;
    return at == expected;
  };
  EXPECT_TRUE(contiguous(places[std::nullopt], 0, 7));
  EXPECT_TRUE(contiguous(places[分组框1], 7, 18));
  EXPECT_TRUE(contiguous(places[分组框2], 25, 22));
  EXPECT_EQ(app::FormOf(分组框1).parent, std::nullopt);
  EXPECT_EQ(app::FormOf(分组框2).parent, std::nullopt);
}

struct ExpectedBinding {
  std::optional<Control> control;
  Event event;
  app::Handler handler;
};

const std::vector<ExpectedBinding>& ExpectedBindings() {
  static const std::vector<ExpectedBinding> bindings{
      {std::nullopt, Event::WindowReady, &app::WindowReady},
      {std::nullopt, Event::CloseQuery, &app::CloseQuery},
      {选择框5, Event::Click, &pricing::DefaultPriceClick},
      {选择框6, Event::Click, &pricing::ColourPriceClick},
      {选择框1, Event::Click, &pricing::DoubleSidedClick},
      {编辑框6, Event::LeftButtonDown, &pricing::PriceBoxLeftButtonDown},
      {编辑框6, Event::KeyDown, &pricing::PriceBoxKeyDown},
      {按钮2, Event::Click, &pricing::PrintChargeClick},
      {编辑框5, Event::KeyDown, &pricing::SheetCountKeyDown},
      {选择框7, Event::Click, &pricing::LayoutFeeClick},
      {时钟1, Event::TimerTick, &pricing::FeeFloorTick},
      {按钮3, Event::Click, &totals::SaveSlot1Click},
      {按钮4, Event::Click, &totals::SaveSlot2Click},
      {按钮5, Event::Click, &totals::SaveSlot3Click},
      {标签8, Event::RightButtonDown, &totals::EmptySlot1RightButtonDown},
      {标签10, Event::RightButtonDown, &totals::EmptySlot2RightButtonDown},
      {标签12, Event::RightButtonDown, &totals::EmptySlot3RightButtonDown},
      {按钮6, Event::Click, &totals::GrandTotalClick},
      {按钮1, Event::Click, &utilities::CalculatorClick},
      {透明标签4, Event::LeftButtonDown, &utilities::OpenFolderLeftButtonDown},
      {选择框2, Event::Click, &utilities::AlwaysOnTopClick},
      {透明标签3, Event::LeftButtonDown, &utilities::NoticeLeftButtonDown},
  };
  return bindings;
}

TEST(FormBindings, EveryEventOfEveryControlFindsExactlyTheBoundHandler) {
  const std::array events{Event::WindowReady, Event::CloseQuery,     Event::Click,
                          Event::KeyDown,     Event::LeftButtonDown, Event::RightButtonDown,
                          Event::TimerTick};
  std::vector<std::optional<Control>> owners{std::nullopt};
  for (Control control : AllControls()) owners.emplace_back(control);

  for (const std::optional<Control>& owner : owners) {
    for (Event event : events) {
      app::Handler expected = nullptr;
      for (const ExpectedBinding& binding : ExpectedBindings()) {
        if (binding.control == owner && binding.event == event) expected = binding.handler;
      }
      EXPECT_EQ(app::FindHandler(owner, event), expected)
          << (owner ? NameOf(*owner) : "the window") << ", event " << static_cast<int>(event);
    }
  }
}

TEST(FormBindings, TheBindingTableHoldsEachBindingOnce) {
  std::set<std::pair<std::optional<Control>, Event>> seen;
  for (const app::Binding& binding : app::Bindings()) {
    EXPECT_TRUE(seen.insert({binding.control, binding.event}).second)
        << (binding.control ? NameOf(*binding.control) : "the window") << " bound twice";
    EXPECT_NE(binding.handler, nullptr);
  }
  EXPECT_EQ(seen.size(), ExpectedBindings().size());
}

TEST(FormTabOrder, FollowsTheFixedSequenceWithTheParkingBoxInItsPlace) {
  const std::vector<Control> expected{
      编辑框5,  编辑框6, 编辑框3,     按钮2,    选择框5,  选择框6, 编辑框7,  选择框7,
      编辑框8,  按钮3,   编辑框9,     按钮4,    编辑框10, 按钮5,   编辑框11, 编辑框12,
      编辑框14, 按钮6,   定位编辑框1, 编辑框13, 编辑框2,  按钮1,   选择框1,  选择框2,
  };
  const std::span<const Control> sequence = app::TabSequence();
  EXPECT_EQ(std::vector<Control>(sequence.begin(), sequence.end()), expected);
}

TEST(FormTabOrder, TheSequenceHoldsEveryTabStopAndNothingElse) {
  const std::span<const Control> sequence = app::TabSequence();
  for (Control control : AllControls()) {
    const bool in_sequence = std::find(sequence.begin(), sequence.end(), control) != sequence.end();
    EXPECT_EQ(in_sequence, app::FormOf(control).tab_stop) << NameOf(control);
  }
}

TEST(FormFlags, TabStopsVisibilityAndEditBoxSettings) {
  for (Control control : AllControls()) {
    const app::ControlForm& form = app::FormOf(control);
    SCOPED_TRACE(NameOf(control));
    const bool takes_focus =
        form.kind == Kind::编辑框 || form.kind == Kind::按钮 || form.kind == Kind::选择框;
    EXPECT_EQ(form.tab_stop, takes_focus);
    EXPECT_EQ(form.visible, control != 定位编辑框1 && control != 时钟1);
    EXPECT_EQ(form.read_only, control == 编辑框8 || control == 编辑框9 || control == 编辑框10);
    EXPECT_EQ(form.multi_line, control == 编辑框2);
    EXPECT_EQ(form.word_wrap, control == 标签16);
    EXPECT_EQ(form.background.has_value(), control == 编辑框14);
  }
  EXPECT_EQ(app::FormOf(编辑框14).background, app::Colour{0x00FFFF});
}

TEST(FormFlags, CentredControls) {
  const std::set<Control> centred{透明标签2, 透明标签4, 编辑框7,  编辑框3, 编辑框6,
                                  编辑框13,  编辑框14,  编辑框12, 编辑框11};
  for (Control control : AllControls()) {
    const app::ControlForm& form = app::FormOf(control);
    const bool expected = centred.contains(control) || form.kind == Kind::按钮;
    EXPECT_EQ(form.align == app::Align::Centre, expected) << NameOf(control);
  }
}

// Colours have red in the low byte: a slip between red and blue is easy to make.
TEST(FormColours, EveryTextColourOtherThanBlack) {
  const std::map<Control, app::Colour> coloured{
      {透明标签3, 0x00E080}, {透明标签2, 0xFF8800}, {透明标签1, 0x0080FF}, {标签16, 0xFF0000},
      {分组框2, 0x0080FF},   {分组框1, 0xFF0000},   {透明标签4, 0xFF8800}, {选择框2, 0x0080FF},
      {标签7, 0x0000FF},     {编辑框3, 0xFF0000},   {编辑框14, 0x0000FF},  {标签15, 0xFF00FF},
  };
  for (Control control : AllControls()) {
    const auto found = coloured.find(control);
    const app::Colour expected = found != coloured.end() ? found->second : 0x000000;
    EXPECT_EQ(app::FormOf(control).text_colour, expected) << NameOf(control);
  }
}

TEST(FormTexts, LookAlikePunctuationAndLineBreaksKeepTheirExactBytes) {
  struct Case {
    Control control;
    std::string_view bytes;
  };
  const std::array<Case, 10> cases{{
      // One-byte colons and comma.
      {标签1, "\xB4\xF2\xD3\xA1\xCA\xFD\xC1\xBF:"},
      {标签7, "\xC5\xC5\xB0\xE6\xB7\xD1\xD3\xC3:"},
      {标签3, ",\xB5\xA5\xBC\xDB"},
      // Full-width colons.
      {标签5, "\xB4\xF2\xD3\xA1\xBD\xF0\xB6\xEE\xA3\xBA"},
      {标签9, "\xB1\xB8\xD7\xA2\xA3\xBA"},
      {标签15, "\xD7\xDC\xBA\xCF\xBC\xC6\xA3\xBA"},
      // Two spaces, CR LF and six spaces between the two prices.
      {标签16,
       "\xBA\xDA\xB0\xD7\xA3\xBA\xB5\xA5\xC3\xE6"
       "0.6\xD4\xAA/\xD5\xC5  \r\n      "
       "\xCB\xAB\xC3\xE6"
       "0.9\xD4\xAA/\xD5\xC5"},
      {编辑框6, "\xD7\xD4\xB6\xA8\xD2\xE5"},
      {透明标签1, "Brannoch"},
      {编辑框2, ""},
  }};
  for (const Case& c : cases) {
    EXPECT_EQ(app::FormOf(c.control).text, c.bytes) << NameOf(c.control);
  }
}

TEST(FormTexts, TheWindowSettings) {
  const app::WindowForm& window = app::MainWindowForm();
  EXPECT_EQ(window.title, "QuorvaneV1.2");
  EXPECT_EQ(window.width, 569);
  EXPECT_EQ(window.height, 391);
  EXPECT_TRUE(window.font.gui);
}

// Rows that differ from their neighbours in a single detail of the font.
TEST(FormFonts, FaceHeightAndWeightOfLookAlikeRows) {
  const std::string_view song = "\xCB\xCE\xCC\xE5";
  const std::string_view hei = "\xBA\xDA\xCC\xE5";
  const std::string_view yahei = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";
  struct Case {
    Control control;
    app::Font font;
  };
  const std::array<Case, 16> cases{{
      {按钮2, app::FontOf(song, 14, 700)},
      {编辑框3, app::FontOf(song, 24, 700)},
      {编辑框5, app::FontOf(song, 19, 400)},
      {编辑框6, app::FontOf(song, 19, 700)},
      {编辑框14, app::FontOf(song, 19, 700)},
      {标签1, app::FontOf(hei, 19, 700)},
      {标签2, app::FontOf(hei, 19, 700)},
      {标签3, app::FontOf(hei, 19, 400)},
      {标签5, app::FontOf(yahei, 24, 700)},
      {标签6, app::FontOf({}, 20, 700)},
      {按钮6, app::FontOf({}, 12, 700)},
      {标签14, app::FontOf({}, 14, 400)},
      {透明标签4, app::FontOf({}, 16, 400)},
      {透明标签3, app::kGuiFont},
      {选择框2, app::kGuiFont},
      {定位编辑框1, app::kGuiFont},
  }};
  for (const Case& c : cases) {
    const app::Font& font = app::FormOf(c.control).font;
    SCOPED_TRACE(NameOf(c.control));
    EXPECT_EQ(font.gui, c.font.gui);
    if (c.font.gui) continue;
    EXPECT_EQ(font.face, c.font.face);
    EXPECT_EQ(font.height, c.font.height);
    EXPECT_EQ(font.weight, c.font.weight);
  }
}

struct Rect {
  int left, top, right, bottom;
};
Rect RectOf(Control control) {
  const app::ControlForm& form = app::FormOf(control);
  return {form.left, form.top, form.left + form.width, form.top + form.height};
}

// The timer has no window and so covers nothing.
bool HasWindow(Control control) {
  return app::FormOf(control).kind != Kind::时钟;
}

struct Overlap {
  Control over;
  Control under;
  int width;
  auto operator<=>(const Overlap&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Overlap& o) {
    return out << NameOf(o.over) << " covers " << o.width << " px of " << NameOf(o.under);
  }
};

// The boxes beside their captions cover the captions' right edges; nothing else overlaps.
TEST(FormGeometry, BoxesCoverTheRightEdgeOfTheirCaptionsAndNothingElseOverlaps) {
  std::vector<Overlap> found;
  const std::vector<Control> all = AllControls();
  for (std::size_t a = 0; a < all.size(); ++a) {
    for (std::size_t b = a + 1; b < all.size(); ++b) {
      if (!HasWindow(all[a]) || !HasWindow(all[b])) continue;
      if (app::FormOf(all[a]).parent != app::FormOf(all[b]).parent) continue;
      const Rect first = RectOf(all[a]);
      const Rect second = RectOf(all[b]);
      const int width = std::min(first.right, second.right) - std::max(first.left, second.left);
      const int height = std::min(first.bottom, second.bottom) - std::max(first.top, second.top);
      // Listed first means stacked on top.
      if (width > 0 && height > 0) found.push_back({all[a], all[b], width});
    }
  }
  std::sort(found.begin(), found.end());
  std::vector<Overlap> expected{
      {编辑框7, 标签7, 12},  {编辑框5, 标签1, 3},  {编辑框11, 标签14, 2},
      {编辑框10, 标签12, 2}, {编辑框9, 标签10, 2}, {编辑框8, 标签8, 2},
  };
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
}

TEST(FormGeometry, GroupChildrenLieInsideTheirGroupAndEverythingInsideTheWindow) {
  const app::WindowForm& window = app::MainWindowForm();
  for (Control control : AllControls()) {
    const app::ControlForm& form = app::FormOf(control);
    const Rect rect = RectOf(control);
    SCOPED_TRACE(NameOf(control));
    EXPECT_GE(rect.left, 0);
    EXPECT_GE(rect.top, 0);
    const int width = form.parent ? app::FormOf(*form.parent).width : window.width;
    const int height = form.parent ? app::FormOf(*form.parent).height : window.height;
    EXPECT_LE(rect.right, width);
    EXPECT_LE(rect.bottom, height);
  }
}

}  // namespace
