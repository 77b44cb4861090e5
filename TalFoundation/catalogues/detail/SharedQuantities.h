// Quantities that several catalogues build on, each defined once, exactly,
// the way it is defined (the international foot is 0.3048 m, the pound
// 0.45359237 kg). Add a quantity here when a second catalogue needs it.
#pragma once

#include "TalFoundation/platform/Decimal.h"

namespace tal::catalogue {

// Length, in metres.
inline constexpr Decimal kInch = 0.0254_dec;
inline constexpr Decimal kFoot = 0.3048_dec;
inline constexpr Decimal kYard = 0.9144_dec;
inline constexpr Decimal kMile = 1609.344_dec;

// Area, in square metres: the squares of the inch and foot (exact, 0.00064516
// and 0.09290304). Decimal products are not constexpr, so made once on first use.
inline const Decimal& squareInch() {
  static const Decimal value = kInch * kInch;
  return value;
}
inline const Decimal& squareFoot() {
  static const Decimal value = kFoot * kFoot;
  return value;
}

// The Taiwan shaku, 10/33 m, which the Taiwan length and area units are
// multiples of; one rounded quotient so they all share its rounding.
inline const Decimal& taiwanShaku() {
  static const Decimal value = 10_dec / 33_dec;
  return value;
}

// Volume, in litres.
inline constexpr Decimal kUSGallon = 3.785411784_dec;
inline constexpr Decimal kImperialGallon = 4.54609_dec;

// Mass, in kilograms. The avoirdupois ounce is a sixteenth of the pound,
// written out (exact) so it can stay constexpr.
inline constexpr Decimal kPound = 0.45359237_dec;
inline constexpr Decimal kOunce = 0.028349523125_dec;

// Speed, in metres per second: the mile per hour, 1609.344 m / 3600 s exactly.
inline constexpr Decimal kMilePerHour = 0.44704_dec;

// Acceleration, in metres per second squared.
inline constexpr Decimal kStandardGravity = 9.80665_dec;

// Energy, in joules: the calorie and the British thermal unit of each of
// their four families (international table, thermochemical, 15 °C, 20 °C).
inline constexpr Decimal kCalorieIT = 4.1868_dec;
inline constexpr Decimal kCalorieTh = 4.184_dec;
inline constexpr Decimal kCalorie15 = 4.1855_dec;
inline constexpr Decimal kCalorie20 = 4.1816_dec;
inline constexpr Decimal kBtuIT = 1055.05585262_dec;
inline constexpr Decimal kBtuTh = 1054.35026444_dec;
inline constexpr Decimal kBtu15 = 1054.804_dec;
inline constexpr Decimal kBtu20 = 1054.68_dec;

// Amount of substance, in moles: the pound-mole, a pound's worth of grams.
inline constexpr Decimal kPoundMole = 453.59237_dec;

}  // namespace tal::catalogue
