#include "tests/soak/generator.h"

#include <array>
#include <string_view>

namespace soak {
namespace {

using enum app::Control;

struct Weighted {
  Do what;
  int weight;  // per thousand actions
};

// An ordinary working day: mostly typing, Enter and clicks, now and then a wait long enough for
// the timer, a close request, OK on whatever box is open.
constexpr std::array<Weighted, 22> kActionWeights{{
    {Do::Type, 182},       {Do::Fill, 70},       {Do::Keypad, 25},    {Do::Enter, 90},
    {Do::Tab, 45},         {Do::BackTab, 20},    {Do::Backspace, 40}, {Do::Escape, 5},
    {Do::F1, 5},           {Do::Space, 20},      {Do::SelectAll, 25}, {Do::Click, 250},
    {Do::DoubleClick, 15}, {Do::RightClick, 45}, {Do::Background, 5}, {Do::Wait, 55},
    {Do::CloseButton, 5},  {Do::AltF4, 5},       {Do::SessionEnd, 5}, {Do::Note, 20},
    {Do::ClearNotes, 3},   {Do::Ok, 65},
}};
constexpr int TotalWeight() {
  int total = 0;
  for (const Weighted& weighted : kActionWeights) total += weighted.weight;
  return total;
}
static_assert(TotalWeight() == 1000, "the weights are shares of a thousand actions");

// The controls an operator works with; clicks also go to every other control now and then.
constexpr std::array kWorkingControls{编辑框5, 编辑框6,  编辑框7,   编辑框3,  按钮2,    选择框5,
                                      选择框6, 选择框1,  选择框7,   按钮3,    按钮4,    按钮5,
                                      按钮6,   编辑框11, 编辑框12,  编辑框13, 编辑框14, 编辑框2,
                                      选择框2, 按钮1,    透明标签3, 透明标签4};
constexpr std::array kSlotCaptions{标签8, 标签10, 标签12};
// The boxes an operator types amounts into, the count and the fee most often.
constexpr std::array kAmountBoxes{编辑框5, 编辑框5,  编辑框7,  编辑框7,  编辑框6,
                                  编辑框3, 编辑框11, 编辑框12, 编辑框13, 编辑框14};

// Texts that hold no plain number, or hold one in an unusual spelling.
constexpr std::array<std::string_view, 18> kWords{
    "自定义", "free", "abc", "明天取件", "张", "12张", "X",   "备注：", "0x1A",
    "1,000",  "NaN",  "inf", "e",        "3e", "3e+",  "3ex", "１２ab", "5元"};
constexpr std::array<std::string_view, 16> kExponents{"1e999",
                                                      "-1e999",
                                                      "1e-999",
                                                      "9e5200",
                                                      "1e5201",
                                                      "-1e-5201",
                                                      "4.9e-324",
                                                      "1.7976931348623157e308",
                                                      "2e308",
                                                      "1d308",
                                                      "3D2",
                                                      "1e99999999999999",
                                                      "1E-5200",
                                                      "0.000000000000000000000000001",
                                                      "123456789012345678901234567890",
                                                      "9.999999999999e12"};
constexpr std::array<std::string_view, 10> kSigns{"-",  "+",    "--5", "+-3", "-0",
                                                  "－", "＋５", "-.",  ".",   "-1"};
// Half-width and ideographic spaces, before, between and after digits.
constexpr std::array<std::string_view, 7> kSpaces{" ", "　", " 3", "12 34", "　3", "  ", "3　"};

constexpr std::string_view kFullWidthDigits[10] = {"０", "１", "２", "３", "４",
                                                   "５", "６", "７", "８", "９"};

}  // namespace

Generator::Generator(std::uint64_t seed, Profile profile) : random_(seed), profile_(profile) {}

std::vector<Action> Generate(std::uint64_t seed, std::size_t count, Profile profile) {
  Generator generator(seed, profile);
  std::vector<Action> actions;
  actions.reserve(count);
  while (actions.size() < count) actions.push_back(generator.Next());
  return actions;
}

Action Generator::Next() {
  if (queued_) {
    Action next = std::move(*queued_);
    queued_.reset();
    return next;
  }
  Action action = Fresh();
  const bool closing =
      action.what == Do::CloseButton || action.what == Do::AltF4 || action.what == Do::SessionEnd;
  if (profile_ == Profile::OneWindow && closing) {
    // The note goes first, so the request meets notes that hold text.
    queued_ = std::move(action);
    return Action(Do::Note, "x");
  }
  return action;
}

namespace {

template <typename T, std::size_t N>
const T& Pick(std::mt19937_64& random, const std::array<T, N>& from) {
  return from[random() % N];
}

// Around the fee floor of 3: whole numbers, cents, a hair below.
std::string SmallNumber(std::mt19937_64& random) {
  constexpr std::array<std::string_view, 8> kNearTheFloor{"2.99", "2.9999998", "2.9999999999", "3",
                                                          "3.00", "0.5",       "-3",           "2"};
  if (random() % 2 == 0) return std::string(kNearTheFloor[random() % kNearTheFloor.size()]);
  return std::to_string(random() % 6);
}

std::string Number(std::mt19937_64& random) {
  const std::uint64_t below = random() % 4 == 0 ? 100000 : 1000;
  std::string digits = std::to_string(random() % below);
  if (random() % 3 == 0) {
    digits += '.';
    digits += std::to_string(random() % 100);
  }
  return digits;
}

// The same number in full-width forms, as an input method in full-width mode types it.
std::string FullWidth(std::mt19937_64& random) {
  std::string text = random() % 5 == 0 ? "－" : "";
  for (const char c : Number(random)) {
    text += c == '.' ? std::string("．") : std::string(kFullWidthDigits[c - '0']);
  }
  return text;
}

std::string LongDigits(std::mt19937_64& random) {
  std::string text;
  const std::size_t length = 25 + random() % 56;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + random() % 10);
  if (random() % 2 == 0) text.insert(random() % length, 1, '.');
  return text;
}

}  // namespace

std::string Generator::SomeText() {
  const auto roll = random_() % 100;
  if (roll < 30) return Number(random_);
  if (roll < 40) return SmallNumber(random_);
  if (roll < 55) return FullWidth(random_);
  if (roll < 67) return std::string(Pick(random_, kWords));
  if (roll < 77) return std::string(Pick(random_, kExponents));
  if (roll < 85) return std::string(Pick(random_, kSigns));
  if (roll < 93) return std::string(Pick(random_, kSpaces));
  return LongDigits(random_);
}

app::Control Generator::SomeControl() {
  if (random_() % 2 == 0) return Pick(random_, kWorkingControls);
  return app::ControlAt(static_cast<int>(random_() % app::kControlCount));
}

Action Generator::Fresh() {
  int roll = static_cast<int>(random_() % 1000);
  Do what = Do::Ok;
  for (const Weighted& weighted : kActionWeights) {
    if (roll < weighted.weight) {
      what = weighted.what;
      break;
    }
    roll -= weighted.weight;
  }
  switch (what) {
    case Do::Type:
    case Do::Note:
      return Action(what, SomeText());
    case Do::Fill: {
      const app::Control box = Pick(random_, kAmountBoxes);
      return Action(what, box, SomeText());
    }
    case Do::Keypad: {
      std::string keys = random_() % 4 == 0 ? "-" : "";
      keys += Number(random_);
      return Action(what, std::move(keys));
    }
    case Do::Click:
    case Do::DoubleClick:
      return Action(what, SomeControl());
    case Do::RightClick:
      return Action(what, random_() % 5 < 3 ? Pick(random_, kSlotCaptions) : SomeControl());
    case Do::Wait: {
      // Mostly a second or two; now and then a break of a minute, rarely an hour.
      const auto kind = random_() % 100;
      if (kind < 70) return Action(what, 1000);
      if (kind < 90) return Action(what, static_cast<long long>(1 + random_() % 2999));
      if (kind < 98) return Action(what, static_cast<long long>(10000 + random_() % 50001));
      return Action(what, 3600000);
    }
    default:
      return Action(what);
  }
}

}  // namespace soak
