#include "TalFoundation/catalogues/TalUnitTemperature.h"

#include <array>
#include <cstddef>

#include "TalFoundation/catalogues/detail/TemperatureScales.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/detail/InPlaceResult.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitTemperature;
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::temperature, {
      //      name            symbol          coefficient          platform unit
      UnitRow("Kelvin",       platformSymbol, 1_dec,               UnitTemperature::kelvin()).base(),
      UnitRow("Celsius",      platformSymbol, 1_dec,               UnitTemperature::celsius()).offset(273.15_dec),
      UnitRow("Fahrenheit",   platformSymbol, "0.55555555555556"_dec, UnitTemperature::fahrenheit())
          .offset("255.37222222222427"_dec),
      UnitRow("Rankine",      "°R",           5.0_dec / 9.0_dec).key("unit_temperature_°R"),
      UnitRow("Réaumur",      "°Ré",          5.0_dec / 4.0_dec).key("unit_temperature_°Ré").offset(273.15_dec),
      UnitRow("Rømer",        "°Rø",          40.0_dec / 21.0_dec).key("unit_temperature_°Rø")
          .offset(273.15_dec - (7.5_dec * 40.0_dec / 21.0_dec)),
      UnitRow("Newton Scale", "°N",           100.0_dec / 33.0_dec).key("unit_temperature_°N").offset(273.15_dec),
      UnitRow("Delisle",      "°De",          -2.0_dec / 3.0_dec).key("unit_temperature_°De").offset(373.15_dec),
  }));
  return table;
}

// Each ordered pair has its own formula; the grouping below is the order of
// evaluation, which fixes how inexact quotients round.
using Formula = Decimal (*)(const Decimal&);
constexpr Decimal k273_15 = 273.15_dec;
constexpr Decimal k459_67 = 459.67_dec;
constexpr Decimal k7_5 = 7.5_dec;
constexpr Decimal d2{2}, d3{3}, d4{4}, d5{5}, d9{9}, d21{21}, d32{32}, d33{33}, d40{40}, d100{100}, d150{150};
// The divisors of the formulas, prepared by the compiler; a quotient is the
// same whether the divisor is prepared or not.
constexpr DecimalDivisor by2{d2}, by3{d3}, by4{d4}, by5{d5}, by9{d9}, by21{d21}, by33{d33}, by40{d40}, by100{d100},
    by360{Decimal(360)};  // 9 × 40

// Rows: from; columns: to. Order: K, °C, °F, °R, °Ré, °Rø, °N, °De.
const std::array<std::array<Formula, 8>, 8> kFormulas = {{
    {{
        nullptr,
        [](const Decimal& v) { return v - k273_15; },
        [](const Decimal& v) { return ((v - k273_15) * d9 / by5) + d32; },
        [](const Decimal& v) { return v * d9 / by5; },
        [](const Decimal& v) { return (v - k273_15) * d4 / by5; },
        [](const Decimal& v) { return ((v - k273_15) * d21 / by40) + k7_5; },
        [](const Decimal& v) { return (v - k273_15) * d33 / by100; },
        [](const Decimal& v) { return d150 - ((v - k273_15) * d3 / by2); },
    }},
    {{
        [](const Decimal& v) { return v + k273_15; },
        nullptr,
        [](const Decimal& v) { return (v * d9 / by5) + d32; },
        [](const Decimal& v) { return (v + k273_15) * d9 / by5; },
        [](const Decimal& v) { return v * d4 / by5; },
        [](const Decimal& v) { return (v * d21 / by40) + k7_5; },
        [](const Decimal& v) { return v * d33 / by100; },
        [](const Decimal& v) { return (d100 - v) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return ((v - d32) * d5 / by9) + k273_15; },
        [](const Decimal& v) { return (v - d32) * d5 / by9; },
        nullptr,
        [](const Decimal& v) { return v + k459_67; },
        [](const Decimal& v) { return (v - d32) * d4 / by9; },
        [](const Decimal& v) { return ((v - d32) * d5 * d21 / by360) + k7_5; },
        [](const Decimal& v) { return (v - d32) * d5 / by9 * d33 / by100; },
        [](const Decimal& v) { return (d100 - ((v - d32) * d5 / by9)) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return v * d5 / by9; },
        [](const Decimal& v) { return (v * d5 / by9) - k273_15; },
        [](const Decimal& v) { return v - k459_67; },
        nullptr,
        [](const Decimal& v) { return ((v * d5 / by9) - k273_15) * d4 / by5; },
        [](const Decimal& v) { return (((v * d5 / by9) - k273_15) * d21 / by40) + k7_5; },
        [](const Decimal& v) { return ((v * d5 / by9) - k273_15) * d33 / by100; },
        [](const Decimal& v) { return (d100 - ((v * d5 / by9) - k273_15)) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return (v * d5 / by4) + k273_15; },
        [](const Decimal& v) { return v * d5 / by4; },
        [](const Decimal& v) { return (v * d9 / by4) + d32; },
        [](const Decimal& v) { return ((v * d5 / by4) + k273_15) * d9 / by5; },
        nullptr,
        [](const Decimal& v) { return (v * d5 / by4 * d21 / by40) + k7_5; },
        [](const Decimal& v) { return v * d5 / by4 * d33 / by100; },
        [](const Decimal& v) { return (d100 - (v * d5 / by4)) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return ((v - k7_5) * d40 / by21) + k273_15; },
        [](const Decimal& v) { return (v - k7_5) * d40 / by21; },
        [](const Decimal& v) { return ((v - k7_5) * d40 / by21 * d9 / by5) + d32; },
        [](const Decimal& v) { return (((v - k7_5) * d40 / by21) + k273_15) * d9 / by5; },
        [](const Decimal& v) { return (v - k7_5) * d40 / by21 * d4 / by5; },
        nullptr,
        [](const Decimal& v) { return (v - k7_5) * d40 / by21 * d33 / by100; },
        [](const Decimal& v) { return (d100 - ((v - k7_5) * d40 / by21)) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return (v * d100 / by33) + k273_15; },
        [](const Decimal& v) { return v * d100 / by33; },
        [](const Decimal& v) { return (v * d100 / by33 * d9 / by5) + d32; },
        [](const Decimal& v) { return ((v * d100 / by33) + k273_15) * d9 / by5; },
        [](const Decimal& v) { return v * d100 / by33 * d4 / by5; },
        [](const Decimal& v) { return (v * d100 / by33 * d21 / by40) + k7_5; },
        nullptr,
        [](const Decimal& v) { return (d100 - (v * d100 / by33)) * d3 / by2; },
    }},
    {{
        [](const Decimal& v) { return d100 - (v * d2 / by3) + k273_15; },
        [](const Decimal& v) { return d100 - (v * d2 / by3); },
        [](const Decimal& v) { return ((d100 - (v * d2 / by3)) * d9 / by5) + d32; },
        [](const Decimal& v) { return (d100 - (v * d2 / by3) + k273_15) * d9 / by5; },
        [](const Decimal& v) { return (d100 - (v * d2 / by3)) * d4 / by5; },
        [](const Decimal& v) { return ((d100 - (v * d2 / by3)) * d21 / by40) + k7_5; },
        [](const Decimal& v) { return (d100 - (v * d2 / by3)) * d33 / by100; },
        nullptr,
    }},
}};

}  // namespace

const catalogue::TemperatureFormula* catalogue::temperatureFormulasFrom(int from) noexcept {
  if (from < 0 || from >= static_cast<int>(kFormulas.size())) return nullptr;
  return kFormulas[static_cast<std::size_t>(from)].data();
}

std::vector<TalUnit> TalUnitTemperature::allUnits() { return units(); }
const TalUnit& TalUnitTemperature::kelvin() { return units()[0]; }
const TalUnit& TalUnitTemperature::celsius() { return units()[1]; }
const TalUnit& TalUnitTemperature::fahrenheit() { return units()[2]; }

std::optional<Decimal> TalUnitTemperature::convert(const Decimal& value, const TalUnit& fromUnit,
                                                   const TalUnit& toUnit) {
  if (fromUnit.category() != TalUnitCategory::temperature || toUnit.category() != TalUnitCategory::temperature)
    return std::nullopt;
  // The record knows its scale from its symbol, as unit equality would.
  const int from = fromUnit.conversionData().temperatureScale;
  const int to = toUnit.conversionData().temperatureScale;
  if (from >= 0 && to >= 0) {
    if (from == to) return value;
    const Formula formula = kFormulas[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
    return detail::computed([&] { return formula(value); });
  }
  // A caller-built temperature unit that is none of the eight has no
  // formula, unless both sides are the same unit.
  if (fromUnit.symbol() == toUnit.symbol()) return value;
  return std::nullopt;
}

}  // namespace tal
