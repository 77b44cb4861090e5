// What converting needs to know of a unit beyond its table fields, worked
// out once when the unit's record is made: which exact road it takes and a
// multiplier that stands in for dividing by its coefficient. No conversion
// then compares texts or looks units up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal::platform {
class Unit;
}

namespace tal::detail {

/// The six angle units with exact factors to and from degrees, and `other`
/// for every other unit (a caller's own angle unit, or none at all).
enum class ExactAngle : std::uint8_t { degrees, arcMinutes, arcSeconds, radians, gradians, revolutions, other };

/// How a value in the category's base unit becomes a value in a unit: the
/// first of these that holds.
enum class FromBase : std::uint8_t {
  inverse,     ///< coefficient ÷ value
  offset,      ///< (value − offset) ÷ coefficient
  numerator,   ///< value × base numerator
  same,        ///< the coefficient is 1
  reciprocal,  ///< value × the exact reciprocal
  divisor,     ///< value ÷ the prepared coefficient
};

// The fields a conversion reads come first, so a unit's record is read in
// as few cache lines as possible when a list converts to every unit.
struct ConversionData {
  /// A hash of the symbol: units whose keys differ have different symbols,
  /// so most pairs are told apart without comparing texts.
  std::size_t symbolKey = 0;
  /// A copy of the unit's category, beside the rest.
  TalUnitCategory category = TalUnitCategory::length;
  FromBase fromBase = FromBase::divisor;
  /// Position among the eight temperature scales (Kelvin first); -1 when
  /// the unit is none of them.
  std::int8_t temperatureScale = -1;
  /// Which of the six exact angle units the platform counterpart is.
  ExactAngle angle = ExactAngle::other;
  /// The coefficient is 1, so taking a value to the base unit changes nothing.
  bool unitCoefficient = false;
  /// No offset and not inverse: the value scales by the coefficient alone.
  bool proportional = false;
  /// For the catalogue's temperature scales: the formulas from this one to
  /// each scale, by position.
  using TemperatureFormula = Decimal (*)(const Decimal&);
  const TemperatureFormula* temperatureFormulas = nullptr;
  /// That k, when there is a fold limit.
  std::int32_t tenExponent = 0;
  /// The coefficient made ready for division where that division stays
  /// (not 1, no exact reciprocal): its reciprocal is worked out here once.
  std::optional<platform::DecimalDivisor> divisor;
  /// 1 ÷ coefficient when that quotient is exact: the coefficient's digits
  /// are a power of two or of five with a reciprocal of at most 38 digits.
  /// x × it and x ÷ coefficient then round the same exact value once, so
  /// they are the same decimal.
  std::optional<Decimal> exactReciprocal;
  /// For a coefficient 10^k with k ≠ 0: value × coefficient is exact, so the
  /// multiply can fold into the constant of the step after it, as long as
  /// the product stays in range. It does while the leading exponent of the
  /// value is below this limit when k > 0, and at or above it when k < 0.
  std::optional<std::int64_t> foldLimit;
  bool foldLimitIsUpper = false;

  struct Unit {
    TalUnitCategory category;
    std::string_view symbol;
    const platform::Unit* dimension;
    const Decimal& coefficient;
    bool hasBaseNumerator;
    bool inverse;
    const Decimal& offset;
  };
  [[nodiscard]] static ConversionData of(const Unit& unit);
};

/// 1 ÷ `value` when it is exact in 38 digits, else absent.
[[nodiscard]] std::optional<Decimal> exactReciprocal(const Decimal& value);

/// k when `value` is 10^k, else absent.
[[nodiscard]] std::optional<int> powerOfTen(const Decimal& value);

}  // namespace tal::detail
