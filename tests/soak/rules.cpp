#include "tests/soak/rules.h"

#include <algorithm>

#include "app/form.h"
#include "app/sim/names.h"
#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"
#include "tests/soak/action.h"

namespace soak {

using app::Control;
using enum app::Control;

const std::array<Slot, 3> kSlots{{{标签8, 编辑框8, 标签9, 按钮3},
                                  {标签10, 编辑框9, 标签11, 按钮4},
                                  {标签12, 编辑框10, 标签13, 按钮5}}};
const std::array<Control, 5> kOperatorBoxes{编辑框2, 编辑框5, 编辑框11, 编辑框12, 编辑框13};
const std::array<Control, 6> kAddends{编辑框8, 编辑框9, 编辑框10, 编辑框11, 编辑框12, 编辑框13};

namespace {

constexpr app::Colour kBlack = 0x000000;
constexpr app::Colour kRed = 0x0000FF;
constexpr app::Colour kBlue = 0xFF0000;
constexpr std::string_view kRemarkStart = "备注：";
constexpr std::string_view kFeeAtFloor = "3.00";
constexpr double kFeeFloor = 3;
constexpr double kFeeFloorTolerance = 1e-7;

Verdict Broke(std::string invariant, std::string detail) {
  return Broken{std::move(invariant), std::move(detail)};
}

// Appends piece by piece: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string.
std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string joined;
  for (std::string_view piece : pieces) joined += piece;
  return joined;
}

}  // namespace

std::string Quote(std::string_view gbk) {
  return Join({"\"", Readable(gbk), "\""});
}

Verdict CheckOpenBoxes(std::span<const BoxKind> open, std::string_view fee) {
  for (std::size_t i = 0; i < open.size(); ++i) {
    if (open[i] == BoxKind::Unknown) {
      return Broke("every box is one the program knows", "a box with another text or title");
    }
    if (std::count(open.begin(), open.begin() + static_cast<std::ptrdiff_t>(i), open[i]) > 0) {
      return Broke("at most one box of each kind is open", Join({"a second ", NameOf(open[i])}));
    }
  }
  const bool warning = std::count(open.begin(), open.end(), BoxKind::FeeWarning) > 0;
  if (warning && fee != kFeeAtFloor) {
    return Broke("the fee-floor warning opens with the fee raised to 3.00",
                 Join({"the fee reads ", Quote(fee)}));
  }
  return std::nullopt;
}

Verdict CheckGrandTotal(const std::array<std::string, 6>& addends, std::string_view shown) {
  std::array<double, 6> amounts{};
  std::transform(addends.begin(), addends.end(), amounts.begin(),
                 [](const std::string& text) { return pricing::ParseAmount(text); });
  const std::string sum = pricing::FormatAmount(pricing::SumAmounts(
      {amounts[0], amounts[1], amounts[2], amounts[3], amounts[4], amounts[5]}));
  if (shown == sum) return std::nullopt;
  return Broke("the grand total is the sum of the six boxes",
               Join({app::NameOf(编辑框14), " shows ", Quote(shown), ", the sum is ", Quote(sum)}));
}

Verdict CheckPriceBox(const PriceReading& price) {
  if (price.black_white && price.colour) {
    return Broke("the price kinds exclude each other", "both are ticked");
  }
  const bool preset = price.black_white || price.colour;
  if (price.disabled != preset) {
    return Broke("the price box is disabled exactly when a price kind is ticked",
                 preset ? "a kind is ticked and the box takes input"
                        : "no kind is ticked and the box is disabled");
  }
  if (!preset) {
    if (price.text_colour && *price.text_colour != kRed) {
      return Broke("a custom price is red", Join({Quote(price.text), " is not"}));
    }
    return std::nullopt;
  }
  const std::string_view expected = price.black_white ? (price.double_sided ? "0.90" : "0.60")
                                                      : (price.double_sided ? "4.00" : "3.00");
  if (price.text != expected || (price.text_colour && *price.text_colour != kBlack)) {
    return Broke("a preset price is the ticked kind's and sides' price, in black",
                 Join({"the price box shows ", Quote(price.text), ", expected ", Quote(expected)}));
  }
  return std::nullopt;
}

Verdict CheckLayoutFee(const FeeReading& fee) {
  if (fee.disabled) return Broke("the fee box is never disabled", "it is");
  if (fee.text_colour && *fee.text_colour != (fee.on ? kBlue : kBlack)) {
    return Broke("the fee is blue while on and black while off",
                 fee.on ? "the fee is on and not blue" : "the fee is off and not black");
  }
  if (fee.ticked_since && fee.on &&
      pricing::IsBelowFloor(pricing::ParseAmount(fee.text), kFeeFloor, kFeeFloorTolerance)) {
    return Broke("the fee never stays below 3 through a wait while it is on",
                 Join({"the fee reads ", Quote(fee.text)}));
  }
  return std::nullopt;
}

Verdict CheckFocus(std::optional<Control> focus, bool disabled) {
  if (!focus) return Broke("the focus is always on a control", "nothing has the focus");
  const app::Kind kind = app::FormOf(*focus).kind;
  const bool takes_focus =
      kind == app::Kind::编辑框 || kind == app::Kind::按钮 || kind == app::Kind::选择框;
  if (!takes_focus || disabled) {
    return Broke("the focus is always on a control that takes it", app::NameOf(*focus));
  }
  return std::nullopt;
}

Verdict CheckOperatorBox(Control box, std::string_view before, std::string_view now, bool keyed) {
  if (now == before || keyed) return std::nullopt;
  return Broke("what the operator typed changes only by keys typed into it",
               Join({app::NameOf(box), " went from ", Quote(before), " to ", Quote(now)}));
}

Verdict SlotWatch::Update(std::size_t slot, std::string_view now, bool emptied, bool saved,
                          std::string_view charge, std::string_view remark) {
  std::optional<std::string>& held = held_[slot];
  const std::string name = app::NameOf(kSlots[slot].amount);
  if (held && now == *held) return std::nullopt;
  if (held) {
    if (!emptied || !now.empty()) {
      return Broke("a full slot keeps its amount until its caption empties it",
                   Join({name, " went from ", Quote(*held), " to ", Quote(now)}));
    }
    if (remark != kRemarkStart) {
      return Broke("an emptied slot's remark is reset",
                   Join({app::NameOf(kSlots[slot].remark), " reads ", Quote(remark)}));
    }
    held.reset();
    return std::nullopt;
  }
  if (now.empty()) return std::nullopt;
  if (!saved)
    return Broke("a slot is filled only by its save button", Join({name, " took ", Quote(now)}));
  if (now != charge) {
    return Broke("a slot takes the print charge as it stands",
                 Join({name, " took ", Quote(now), " while ", app::NameOf(编辑框3), " holds ",
                       Quote(charge)}));
  }
  held = std::string(now);
  return std::nullopt;
}

}  // namespace soak
