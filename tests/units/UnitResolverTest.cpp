#include "TalFoundation/units/UnitResolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "TalFoundation/units/TalUnit.h"

namespace tal {
namespace {

// What people type, and what it must mean. Modes:
//   find    the single answer's id ("" = none), within `category` when given
//   all     every answer's id, best first, joined by ", "
//   phrase  readPhrase: "<term id> [+ <term id>…] > <target id>", or
//           "!<error kind> <word>"
//   args    readConversion on "value|from|to", expected as for phrase
struct Row {
  std::string_view mode;
  std::string_view input;
  std::string_view category;
  std::string_view expected;
};

constexpr Row kTexts[] = {
    // Ids, exactly.
    {"find", "length_km", "", "length_km"},
    {"find", "temperature_°C", "", "temperature_°C"},
    {"find", "length_n mile", "", "length_n mile"},
    {"find", "volume_US gal", "", "volume_US gal"},
    {"find", "datastorage_MB", "", "datastorage_MB"},
    // Our symbols, exactly; a symbol of two categories goes to the earlier one.
    {"find", "km", "", "length_km"},
    {"find", "mi", "", "length_mi"},
    {"find", "°C", "", "temperature_°C"},
    {"find", "°F", "", "temperature_°F"},
    {"find", "K", "", "temperature_K"},
    {"find", "µm", "", "length_µm"},
    {"find", "m²", "", "area_m²"},
    {"find", "km/h", "", "speed_km/h"},
    {"find", "n mile", "", "length_n mile"},
    {"find", "ʹ", "", "angle_ʹ"},
    {"find", "ʹʹ", "", "angle_ʹʹ"},
    {"find", "Ω", "", "resistance_Ω"},
    {"find", "kWh", "", "energy_kWh"},
    {"find", "hp(M)", "", "power_hp(M)"},
    {"find", "ton (UK)", "", "mass_ton (UK)"},
    {"find", "imp gal", "", "volume_imp gal"},
    {"find", "L", "", "volume_L"},
    {"find", "Mb", "", "datastorage_Mb"},
    {"find", "MB", "", "datastorage_MB"},
    {"find", "Gb", "", "datastorage_Gb"},
    {"find", "C", "", "charge_C"},
    {"find", "F", "", "capacitance_F"},
    {"find", "   km\t", "", "length_km"},
    // The platform unit's symbol.
    {"find", "NM", "", "length_n mile"},
    {"find", "ua", "", "length_au"},
    {"find", "grad", "", "angle_gon"},
    {"find", "gal", "", "volume_US gal"},
    {"find", "mpg", "", "fuelvolume_US mpg"},
    {"find", "ton", "", "mass_ton (US)"},
    {"find", "hp", "", "power_hp(I)"},
    {"find", "tsp", "", "volume_US tsp"},
    {"find", "tbsp", "", "volume_US tbsp"},
    {"find", "cup", "", "volume_US cup"},
    {"find", "fl oz", "", "volume_US fl oz"},
    {"find", "pt", "", "volume_US pt"},
    {"find", "qt", "", "volume_US qt"},
    // Symbols in another case, where only one symbol folds to the text.
    {"find", "KM", "", "length_km"},
    {"find", "Km", "", "length_km"},
    {"find", "KG", "", "mass_kg"},
    {"find", "MPH", "", "speed_mph"},
    {"find", "KWH", "", "energy_kWh"},
    {"find", "PSI", "", "pressure_psi"},
    {"find", "HZ", "", "frequency_Hz"},
    {"find", "GHZ", "", "frequency_GHz"},
    {"find", "ATM", "", "pressure_atm"},
    {"find", "kpa", "", "pressure_kPa"},
    {"find", "mmhg", "", "pressure_mmHg"},
    {"find", "mb", "", ""},
    {"find", "mB", "", ""},
    {"find", "KB", "", ""},
    {"find", "MHZ", "", ""},
    {"find", "MM", "", ""},
    // Names in any case, plural and British.
    {"find", "kilometer", "", "length_km"},
    {"find", "Kilometers", "", "length_km"},
    {"find", "kilometres", "", "length_km"},
    {"find", "KILOMETRE", "", "length_km"},
    {"find", "feet", "", "length_ft"},
    {"find", "foot", "", "length_ft"},
    {"find", "inch", "", "length_in"},
    {"find", "inches", "", "length_in"},
    {"find", "miles", "", "length_mi"},
    {"find", "litres", "", "volume_L"},
    {"find", "liter", "", "volume_L"},
    {"find", "metre", "", "length_m"},
    {"find", "meters", "", "length_m"},
    {"find", "tonnes", "", "mass_t"},
    {"find", "pounds", "", "mass_lb"},
    {"find", "ounces", "", "mass_oz"},
    {"find", "grams", "", "mass_g"},
    {"find", "seconds", "", "duration_s"},
    {"find", "hours", "", "duration_h"},
    {"find", "minutes", "", "duration_m"},
    {"find", "weeks", "", "duration_wk"},
    {"find", "celsius", "", "temperature_°C"},
    {"find", "Fahrenheit", "", "temperature_°F"},
    {"find", "kelvins", "", "temperature_K"},
    {"find", "degrees", "", "angle_°"},
    {"find", "radians", "", "angle_rad"},
    {"find", "square meters", "", "area_m²"},
    {"find", "square metres", "", "area_m²"},
    {"find", "square feet", "", "area_ft²"},
    {"find", "cubic feet", "", "volume_ft³"},
    {"find", "cubic centimetres", "", "volume_cm³"},
    {"find", "miles per hour", "", "speed_mph"},
    {"find", "kilometres per hour", "", "speed_km/h"},
    {"find", "meters per second", "", "speed_m/s"},
    {"find", "nautical miles", "", "length_n mile"},
    {"find", "light years", "", "length_ly"},
    {"find", "lightyear", "", "length_ly"},
    {"find", "acres", "", "area_ac"},
    {"find", "hectares", "", "area_ha"},
    {"find", "gallons", "", "volume_US gal"},
    {"find", "imperial gallons", "", "volume_imp gal"},
    {"find", "pascals", "", "pressure_Pa"},
    {"find", "joules", "", "energy_J"},
    {"find", "kilowatt hours", "", "energy_kWh"},
    {"find", "kilowatt-hour", "", "energy_kWh"},
    {"find", "megabytes", "", "datastorage_MB"},
    {"find", "newton metres", "", "torque_N·m"},
    {"find", "foot-pounds", "", "energy_ft·lb"},
    {"find", "ohms", "", "resistance_Ω"},
    {"find", "volts", "", "voltage_V"},
    {"find", "amperes", "", "current_A"},
    {"find", "hertz", "", "frequency_Hz"},
    {"find", "calories", "", "energy_cal_IT"},
    {"find", "kilocalories", "", "energy_kcal_IT"},
    {"find", "barrels", "", "volume_bbl"},
    {"find", "long tons", "", "mass_ton (UK)"},
    {"find", "short ton", "", "mass_ton (US)"},
    {"find", "troy ounces", "", "mass_oz t"},
    {"find", "stones", "", "mass_st"},
    {"find", "knots", "", "speed_kn"},
    {"find", "gravity", "", "acceleration_g"},
    {"find", "Revolutions per minute", "", "frequency_rpm"},
    {"find", "parsecs", "", "length_pc"},
    {"find", "Reaumur", "", "temperature_°Ré"},
    {"find", "Romer", "", "temperature_°Rø"},
    // ASCII and other spellings of symbols.
    {"find", "um", "", "length_µm"},
    {"find", "μm", "", "length_µm"},  // Greek mu
    {"find", "UM", "", "length_µm"},
    {"find", "ug", "", "mass_µg"},
    {"find", "uA", "", "current_µA"},
    {"find", "m^2", "", "area_m²"},
    {"find", "m2", "", "area_m²"},
    {"find", "km^2", "", "area_km²"},
    {"find", "cm3", "", "volume_cm³"},
    {"find", "m^3", "", "volume_m³"},
    {"find", "ft^2", "", "area_ft²"},
    {"find", "sq ft", "", "area_ft²"},
    {"find", "sq m", "", "area_m²"},
    {"find", "sq. km", "", "area_km²"},
    {"find", "square km", "", "area_km²"},
    {"find", "cu ft", "", "volume_ft³"},
    {"find", "cubic m", "", "volume_m³"},
    {"find", "m/s^2", "", "acceleration_m/s²"},
    {"find", "degC", "", "temperature_°C"},
    {"find", "deg C", "", "temperature_°C"},
    {"find", "DEGC", "", "temperature_°C"},
    {"find", "degF", "", "temperature_°F"},
    {"find", "deg", "", "angle_°"},
    {"find", "deg/s", "", "angularvelocity_°/s"},
    {"find", "'", "", "angle_ʹ"},
    {"find", "\"", "", "angle_ʹʹ"},
    {"find", "''", "", "angle_ʹʹ"},
    {"find", "\u2032", "", "angle_ʹ"},
    {"find", "\u2033", "", "angle_ʹʹ"},
    {"find", "ohm", "", "resistance_Ω"},
    {"find", "kohm", "", "resistance_kΩ"},
    {"find", "Mohm", "", "resistance_MΩ"},
    {"find", "mohm", "", "resistance_mΩ"},
    {"find", "MOHM", "", ""},
    {"find", "\u2126", "", "resistance_Ω"},  // the ohm sign
    {"find", "k\u2126", "", "resistance_kΩ"},
    {"find", "N-m", "", "torque_N·m"},
    {"find", "N m", "", "torque_N·m"},
    {"find", "N*m", "", "torque_N·m"},
    {"find", "Nm", "", "torque_N·m"},
    {"find", "nm", "", "length_nm"},
    {"find", "Pa s", "", "dynamicviscosity_Pa·s"},
    {"find", "lbf-ft", "", "torque_lbf·ft"},
    {"find", "mmH2O", "", "pressure_mmH₂O"},
    {"find", "s^-1", "", "frequency_s⁻¹"},
    {"find", "mho", "", "conductance_℧"},
    {"find", "ug/mL", "", "massconcentration_μg/mL"},
    {"find", "µg/mL", "", "massconcentration_μg/mL"},  // micro sign where the table has mu
    {"find", "uT", "", "magneticfluxdensity_μT"},
    {"find", "L/100 km", "", "fuelvolume_L/100km"},
    {"find", "km/l", "", "fuelvolume_km/L"},
    // Abbreviations.
    {"find", "kph", "", "speed_km/h"},
    {"find", "kmh", "", "speed_km/h"},
    {"find", "nmi", "", "length_n mile"},
    {"find", "lbs", "", "mass_lb"},
    {"find", "oz", "", "mass_oz"},
    {"find", "st", "", "mass_st"},
    {"find", "hr", "", "duration_h"},
    {"find", "hrs", "", "duration_h"},
    {"find", "min", "", "duration_m"},
    {"find", "sec", "", "duration_s"},
    {"find", "day", "", "duration_d"},
    {"find", "days", "", "duration_d"},
    {"find", "wk", "", "duration_wk"},
    {"find", "cal", "", "energy_cal_IT"},
    {"find", "kcal", "", "energy_kcal_IT"},
    {"find", "BTU", "", "energy_BTU_IT"},
    {"find", "btu", "", "energy_BTU_IT"},
    {"find", "MMBTU", "", "energy_MMBTU_IT"},
    {"find", "centigrade", "", "temperature_°C"},
    {"find", "arcmin", "", "angle_ʹ"},
    {"find", "arcsec", "", "angle_ʹʹ"},
    {"find", "micron", "", "length_µm"},
    {"find", "cc", "", "volume_cm³"},
    {"find", "tons", "", "mass_ton (US)"},
    {"find", "pint", "", "volume_US pt"},
    {"find", "quarts", "", "volume_US qt"},
    {"find", "tablespoons", "", "volume_US tbsp"},
    {"find", "horsepower", "", "power_hp(I)"},
    {"find", "yr", "", "duration_a_g"},
    {"find", "kilo", "", "mass_kg"},
    {"find", "kts", "", "speed_kn"},
    {"find", "amps", "", "current_A"},
    {"find", "rev/min", "", "frequency_rpm"},
    // Nothing.
    {"find", "kilomter", "", ""},
    {"find", "foo", "", ""},
    {"find", "", "", ""},
    {"find", "u", "", ""},
    {"find", "\xff\xfe", "", ""},
    // Within one category.
    {"find", "m", "duration", "duration_m"},
    {"find", "C", "temperature", "temperature_°C"},
    {"find", "F", "temperature", "temperature_°F"},
    {"find", "km", "mass", ""},
    {"find", "Sv", "effectivedose", "effectivedose_Sv"},
    {"find", "rad", "absorbeddose", "absorbeddose_rad"},
    {"find", "gal", "acceleration", "acceleration_Gal"},
    // Every reading, ranked.
    {"all", "gal", "", "volume_US gal, acceleration_Gal, volume_imp gal"},
    {"all", "m", "", "length_m, duration_m"},
    {"all", "C", "", "charge_C, temperature_°C"},
    {"all", "cal", "", "energy_cal_IT, energy_cal_th, energy_cal_15, energy_cal_20"},
    {"all", "BTU", "", "energy_BTU_IT, energy_BTU_th, energy_BTU_15, energy_BTU_20"},
    {"all", "hp", "", "power_hp(I), power_hp(M), power_hp(E), power_hp(S)"},
    {"all", "mpg", "", "fuelvolume_US mpg, fuelvolume_imp mpg"},
    {"all", "cup", "", "volume_US cup, volume_metric cup Imperial, volume_imp cup"},
    {"all", "fl oz", "", "volume_US fl oz, volume_imp fl oz"},
    {"all", "ton", "", "mass_ton (US), mass_ton (UK)"},
    {"all", "Sv", "", "equivalentdose_Sv, effectivedose_Sv"},
    {"all", "g", "", "mass_g, acceleration_g"},
    {"all", "rpm", "", "frequency_rpm, angularvelocity_rpm"},
    {"all", "mb", "", ""},
    {"all", "MB", "", "datastorage_MB"},
    // Conversion phrases.
    {"phrase", "1.5 km to mi", "", "length_km > length_mi"},
    {"phrase", "1.5km in mi", "", "length_km > length_mi"},
    {"phrase", "1.5 km -> mi", "", "length_km > length_mi"},
    {"phrase", "1.5 km → mi", "", "length_km > length_mi"},
    {"phrase", "1.5km->mi", "", "length_km > length_mi"},
    {"phrase", "1.5 km = mi", "", "length_km > length_mi"},
    {"phrase", "1.5km mi", "", "length_km > length_mi"},
    {"phrase", "10 kilometers miles", "", "length_km > length_mi"},
    {"phrase", "1 KM MI", "", "length_km > length_mi"},
    {"phrase", "100 F C", "", "temperature_°F > temperature_°C"},
    {"phrase", "100 F to C", "", "temperature_°F > temperature_°C"},
    {"phrase", "-40 celsius fahrenheit", "", "temperature_°C > temperature_°F"},
    {"phrase", "1 um nm", "", "length_µm > length_nm"},
    {"phrase", "1 μm nm", "", "length_µm > length_nm"},
    {"phrase", "1 acre m^2", "", "area_ac > area_m²"},
    {"phrase", "1 hp W", "", "power_hp(I) > power_W"},
    {"phrase", "2 nmi km", "", "length_n mile > length_km"},
    {"phrase", "90 deg rad", "", "angle_° > angle_rad"},
    {"phrase", "1 day s", "", "duration_d > duration_s"},
    {"phrase", "١٫٥ km mi", "", "length_km > length_mi"},
    {"phrase", "۱٫۵ km to mi", "", "length_km > length_mi"},
    {"phrase", "5 ft 11 in to cm", "", "length_ft + length_in > length_cm"},
    {"phrase", "5 ft 11 in cm", "", "length_ft + length_in > length_cm"},
    {"phrase", "5ft 11in in cm", "", "length_ft + length_in > length_cm"},
    {"phrase", "3 in in cm", "", "length_in > length_cm"},
    {"phrase", "1 in cm", "", "length_in > length_cm"},
    {"phrase", "12 ft in", "", "length_ft > length_in"},
    {"phrase", "1 gal L", "", "volume_US gal > volume_L"},
    {"phrase", "1 CUP mL", "", "volume_US cup > volume_mL"},
    {"phrase", "2 cups to ml", "", "volume_US cup > volume_mL"},
    {"phrase", "1 gal to imp gal", "", "volume_US gal > volume_imp gal"},
    {"phrase", "3 rps rpm", "", "frequency_rps > frequency_rpm"},
    {"phrase", "1 US gal/min US gal/h", "", "volumetricflowrate_US gal/min > volumetricflowrate_US gal/h"},
    {"phrase", "1 m s", "", "duration_m > duration_s"},
    {"phrase", "1 m ft", "", "length_m > length_ft"},
    {"phrase", "1 Sv mSv", "", "equivalentdose_Sv > equivalentdose_mSv"},
    {"phrase", "1 L/100 km to mpg", "", "fuelvolume_L/100km > fuelvolume_US mpg"},
    {"phrase", "1 kWh to BTU", "", "energy_kWh > energy_BTU_IT"},
    {"phrase", "1 stone to kg", "", "mass_st > mass_kg"},
    {"phrase", "1 sq ft sq m", "", "area_ft² > area_m²"},
    {"phrase", "1 Sv mSv", "effectivedose", "effectivedose_Sv > effectivedose_mSv"},
    // The failures.
    {"phrase", "1.5 kilomter mi", "", "!unknownUnit kilomter"},
    {"phrase", "1 foo to m", "", "!unknownUnit foo"},
    {"phrase", "1 km kg", "", "!differentCategories km kg"},
    {"phrase", "1 kg to °C", "", "!differentCategories kg °C"},
    {"phrase", "5 ft 3 kg to m", "", "!differentCategories ft kg"},
    {"phrase", "100 USD EUR", "", "!needsRates USD"},
    {"phrase", "1 eur to usd", "", "!needsRates eur"},
    {"phrase", "1 km to", "", "!notANumber to"},
    {"phrase", "km to mi", "", "!notANumber km to mi"},
    {"phrase", "1 km", "", "!notANumber "},
    {"phrase", "1 5 km mi", "", "!notANumber "},
    {"phrase", "", "", "!notANumber "},
    {"phrase", "1 km mi", "mass", "!unknownUnit km"},
    // A value, a source and a target given apart.
    {"args", "1.5|km|mi", "", "length_km > length_mi"},
    {"args", "١٫٥|km|mi", "", "length_km > length_mi"},
    {"args", "100|F|C", "", "temperature_°F > temperature_°C"},
    {"args", "1|US gal/min|US gal/h", "", "volumetricflowrate_US gal/min > volumetricflowrate_US gal/h"},
    {"args", "1|in|cm", "", "length_in > length_cm"},
    {"args", "x|km|mi", "", "!notANumber x"},
    {"args", "1.5km|km|mi", "", "!notANumber 1.5km"},
    {"args", "1|km|kilomter", "", "!unknownUnit kilomter"},
    {"args", "1|km|kg", "", "!differentCategories km kg"},
};

std::string_view kindName(UnitTextError::Kind kind) {
  switch (kind) {
    case UnitTextError::Kind::notANumber: return "notANumber";
    case UnitTextError::Kind::unknownUnit: return "unknownUnit";
    case UnitTextError::Kind::differentCategories: return "differentCategories";
    case UnitTextError::Kind::needsRates: return "needsRates";
  }
  return "?";
}

std::string describe(const ConversionPhraseResult& result) {
  if (const auto* error = std::get_if<UnitTextError>(&result)) {
    std::string text = "!" + std::string(kindName(error->kind)) + " " + error->word;
    if (!error->otherWord.empty()) text += " " + error->otherWord;
    return text;
  }
  const auto& phrase = std::get<ConversionPhrase>(result);
  std::string text;
  for (const UnitTerm& term : phrase.terms) text += (text.empty() ? "" : " + ") + term.unit.id();
  return text + " > " + phrase.target.id();
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.push_back(text);
  return parts;
}

std::string answer(const Row& row) {
  std::optional<TalUnitCategory> within;
  if (!row.category.empty()) within = TalUnitCategory::fromRawValue(row.category);
  if (row.mode == "find") {
    const auto unit = UnitResolver::find(row.input, within);
    return unit ? unit->id() : "";
  }
  if (row.mode == "all") {
    std::string ids;
    for (const UnitMatch& match : UnitResolver::findAll(row.input, within))
      ids += (ids.empty() ? "" : ", ") + match.unit.id();
    return ids;
  }
  if (row.mode == "phrase") return describe(UnitResolver::readPhrase(row.input, within));
  const auto parts = split(row.input, '|');
  return describe(UnitResolver::readConversion(parts.at(0), parts.at(1), parts.at(2), within));
}

TEST(UnitResolverTable, HasTheRealisticInputsItPromises) { EXPECT_GE(std::size(kTexts), 150u); }

class UnitResolverTexts : public testing::TestWithParam<Row> {};
TEST_P(UnitResolverTexts, MeanWhatPeopleMeanByThem) {
  const Row& row = GetParam();
  if (!row.category.empty()) {
    ASSERT_TRUE(TalUnitCategory::fromRawValue(row.category)) << row.category;
  }
  EXPECT_EQ(answer(row), row.expected) << row.mode << " \"" << row.input << "\"";
}
INSTANTIATE_TEST_SUITE_P(Table, UnitResolverTexts, testing::ValuesIn(kTexts));

TEST(UnitResolver, FindIsTheFirstOfFindAll) {
  for (const Row& row : kTexts) {
    if (row.mode != "find" || !row.category.empty()) continue;
    const auto all = UnitResolver::findAll(row.input);
    const auto one = UnitResolver::find(row.input);
    ASSERT_EQ(all.empty(), !one.has_value()) << row.input;
    if (one) {
      EXPECT_EQ(one->id(), all.front().unit.id()) << row.input;
    }
  }
}

TEST(UnitResolver, ReportsHowATextMatched) {
  const auto kindOf = [](std::string_view text) { return UnitResolver::findAll(text).at(0).kind; };
  EXPECT_EQ(kindOf("length_km"), UnitMatchKind::id);
  EXPECT_EQ(kindOf("km"), UnitMatchKind::symbol);
  EXPECT_EQ(kindOf("NM"), UnitMatchKind::platformSymbol);
  EXPECT_EQ(kindOf("KM"), UnitMatchKind::symbolIgnoringCase);
  EXPECT_EQ(kindOf("kilometres"), UnitMatchKind::name);
  EXPECT_EQ(kindOf("um"), UnitMatchKind::spelling);
  EXPECT_EQ(kindOf("kph"), UnitMatchKind::alias);
}

// Expected sums by hand: 5 × 0.3048 m + 11 × 0.0254 m = 1.8034 m = 180.34 cm.
TEST(UnitResolverPhrase, SumsItsTermsInTheTarget) {
  const auto phrase = std::get<ConversionPhrase>(UnitResolver::readPhrase("5 ft 11 in to cm"));
  ASSERT_EQ(phrase.terms.size(), 2u);
  EXPECT_EQ(phrase.terms[0].value, Decimal(5));
  EXPECT_EQ(phrase.terms[1].value, Decimal(11));
  EXPECT_EQ(phrase.convert(), Decimal::fromString("180.34"));
  const auto weight = std::get<ConversionPhrase>(UnitResolver::readPhrase("1 kg 500 g to g"));
  EXPECT_EQ(weight.convert(), Decimal(1500));
}

struct ValueCase {
  std::string_view phrase;
  std::string_view value;
};
class UnitResolverValues : public testing::TestWithParam<ValueCase> {};
TEST_P(UnitResolverValues, AreReadExactlyInAnyOfTheDigits) {
  const auto result = UnitResolver::readPhrase(GetParam().phrase);
  ASSERT_TRUE(std::holds_alternative<ConversionPhrase>(result)) << GetParam().phrase;
  EXPECT_EQ(std::get<ConversionPhrase>(result).terms.front().value.toScientificString(), GetParam().value)
      << GetParam().phrase;
}
INSTANTIATE_TEST_SUITE_P(
    Values, UnitResolverValues,
    testing::Values(ValueCase{"1.5 km to mi", "1.5E+0"}, ValueCase{"١٫٥ km to mi", "1.5E+0"},
                    ValueCase{"۱۲۳٫۴۵ km to mi", "1.2345E+2"}, ValueCase{"١٬٢٣٤٫٥ m to km", "1.2345E+3"},
                    ValueCase{"-2.5e-3 km to m", "-2.5E-3"}, ValueCase{"+5 m cm", "5E+0"},
                    ValueCase{"−7 °C to °F", "-7E+0"}, ValueCase{"-١٫٥e٣ m km", "-1.5E+3"},
                    ValueCase{".5 mi km", "5E-1"},
                    // 0.1 and 39 digits: exact, then rounded once, never through a double.
                    ValueCase{"0.1 m to cm", "1E-1"},
                    ValueCase{"123456789012345678901234567890123456789 m to km",
                              "1.2345678901234567890123456789012345679E+38"}));

TEST(UnitResolverPhrase, FailuresSayWhatFailed) {
  const auto unknown = std::get<UnitTextError>(UnitResolver::readPhrase("1.5 kilomter mi"));
  ASSERT_FALSE(unknown.suggestions.empty());
  EXPECT_LE(unknown.suggestions.size(), 3u);
  EXPECT_EQ(unknown.suggestions.front().id(), "length_km");
  EXPECT_NE(unknown.message.find("\"kilomter\""), std::string::npos) << unknown.message;
  EXPECT_NE(unknown.message.find("did you mean Kilometer"), std::string::npos) << unknown.message;

  const auto apart = std::get<UnitTextError>(UnitResolver::readPhrase("1 km kg"));
  EXPECT_NE(apart.message.find("\"km\" (Kilometer, Length)"), std::string::npos) << apart.message;
  EXPECT_NE(apart.message.find("\"kg\" (Kilogram, Mass)"), std::string::npos) << apart.message;

  const auto money = std::get<UnitTextError>(UnitResolver::readPhrase("100 USD EUR"));
  EXPECT_NE(money.message.find("exchange rates"), std::string::npos) << money.message;
  EXPECT_TRUE(money.suggestions.empty());
}

TEST(UnitResolverSearch, RanksWholeWordsBeforePrefixesAndTypos) {
  const auto names = [](std::string_view text, std::size_t limit) {
    std::vector<std::string> out;
    for (const TalUnit& unit : UnitResolver::search(text, limit)) out.push_back(unit.name());
    return out;
  };
  EXPECT_EQ(names("mile", 4),
            (std::vector<std::string>{"Mile", "Nautical Mile", "Scandinavian Mile", "Mile per Hour"}));
  EXPECT_EQ(names("kilomter", 1), std::vector<std::string>{"Kilometer"});
  EXPECT_EQ(names("KM", 2), (std::vector<std::string>{"Kilometer", "Kilometer per Hour"}));
  EXPECT_EQ(names("gallon", 2), (std::vector<std::string>{"Gallon", "Imperial Gallon"}));
  // Exact, then whole words, then inside a word, then a typo ("Gray").
  const auto gram = names("gram", 200);
  const auto at = [&](std::string_view name) {
    return std::find(gram.begin(), gram.end(), name) - gram.begin();
  };
  EXPECT_EQ(at("Gram"), 0);
  EXPECT_LT(at("Gram per Liter"), at("Kilogram"));
  EXPECT_LT(at("Gram-Force"), at("Kilogram"));
  EXPECT_LT(at("Kilogram"), at("Gray"));
  EXPECT_LT(at("Gray"), static_cast<std::ptrdiff_t>(gram.size()));
  EXPECT_EQ(names("dalton", 3), (std::vector<std::string>{"Dalton", "Kilodalton", "Megadalton"}));
  // A name that begins with the text ranks before one that contains it.
  const auto liter = names("lite", 200);
  ASSERT_FALSE(liter.empty());
  EXPECT_EQ(liter.front(), "Liter");
  EXPECT_LT(std::find(liter.begin(), liter.end(), "Liter per Second") - liter.begin(),
            std::find(liter.begin(), liter.end(), "Kiloliter") - liter.begin());
  EXPECT_EQ(names("mile", 3).size(), 3u);
  EXPECT_TRUE(names("", 10).empty());
  EXPECT_TRUE(names("   ", 10).empty());
  EXPECT_TRUE(names("xyzzyq", 10).empty());
  EXPECT_TRUE(names("mile", 0).empty());
}

TEST(UnitResolverSearch, ToleratesTwoEditsOnLongerNamesOnly) {
  const auto first = [](std::string_view text) {
    const auto found = UnitResolver::search(text, 1);
    return found.empty() ? std::string() : found.front().id();
  };
  EXPECT_EQ(first("kilomtr"), "length_km");  // two edits
  EXPECT_EQ(first("ohn"), "resistance_Ω");   // one edit, three letters
  EXPECT_EQ(first("xyn"), "");               // two edits on three letters are too many
}

TEST(UnitResolverCategory, AcceptsRawValuesAndNamesInAnyCase) {
  EXPECT_EQ(UnitResolver::findCategory("Length"), TalUnitCategory::length);
  EXPECT_EQ(UnitResolver::findCategory("LENGTH"), TalUnitCategory::length);
  EXPECT_EQ(UnitResolver::findCategory("electric current"), TalUnitCategory::electricCurrent);
  EXPECT_EQ(UnitResolver::findCategory("current"), TalUnitCategory::electricCurrent);
  EXPECT_EQ(UnitResolver::findCategory(" Time "), TalUnitCategory::duration);
  EXPECT_EQ(UnitResolver::findCategory("duration"), TalUnitCategory::duration);
  EXPECT_EQ(UnitResolver::findCategory("lengths"), std::nullopt);
  EXPECT_EQ(UnitResolver::findCategory(""), std::nullopt);
}

TEST(UnitResolver, AnswersTheSameFromManyThreads) {
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        const auto unit = UnitResolver::find(i % 2 ? "kilometres" : "KM");
        if (!unit || unit->id() != "length_km") ++wrong;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace tal
