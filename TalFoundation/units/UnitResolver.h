// UnitResolver: units from what people type — an id, a symbol, a name in any
// case and number, an ASCII spelling of a symbol or a common abbreviation —
// ranked search for a search box, and conversion phrases such as
// "1.5 km to mi". Every surface (C++, the C interface, Python, tal-convert)
// reads text through it. Neighbours: TalUnit.h (the units),
// TalMeasurement.h (the conversion a phrase leads to).
//
//   tal::UnitResolver::find("kilometres")        → length_km
//   tal::UnitResolver::find("sq ft")             → area_ft²
//   tal::UnitResolver::findAll("gal")            → US gallon, Gal (acceleration), imperial gallon
//   tal::UnitResolver::search("mile")            → Mile, Nautical Mile, Scandinavian Mile, Mile per Hour, …
//   tal::UnitResolver::readPhrase("5 ft 11 in to cm")  → 5 ft + 11 in, in cm
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// How a text named a unit, strongest first. Answers are ranked by this,
/// then by the preferred reading, then by category and catalogue order.
enum class UnitMatchKind : std::uint8_t {
  id,                  ///< "length_km"
  symbol,              ///< the unit's own symbol, exactly: "km", "°C"
  platformSymbol,      ///< the platform unit's symbol, exactly: "gal", "NM"
  symbolIgnoringCase,  ///< "KM"; only where one symbol folds to it ("MB" and "Mb" stay apart)
  name,                ///< name in any case, plural or British: "kilometres", "feet"
  spelling,            ///< ASCII or other spelling of a symbol: "um", "m^2", "degC", "ohm", "N-m"
  alias,               ///< a common abbreviation or word: "mph", "nmi", "hp", "cal", "C" for °C
};

/// One reading of a text.
struct TAL_EXPORT UnitMatch {
  TalUnit unit;
  UnitMatchKind kind;
};

/// One value in one unit: "5 ft".
struct TAL_EXPORT UnitTerm {
  Decimal value;
  TalUnit unit;
};

/// A conversion read from text: one or more terms of one category and the
/// unit to express their sum in.
struct TAL_EXPORT ConversionPhrase {
  std::vector<UnitTerm> terms;
  TalUnit target;

  /// The sum of the terms in the target unit, each term converted with
  /// TalMeasurement::convert; absent when a term has no conversion; NaN
  /// when one of them is NaN.
  [[nodiscard]] std::optional<Decimal> convert() const;
};

/// Why a text could not be read. `message` is an English sentence that
/// names what failed.
struct TAL_EXPORT UnitTextError {
  enum class Kind : std::uint8_t {
    notANumber,           ///< no value where one is needed, or no target unit
    unknownUnit,          ///< `word` names no unit; `suggestions` holds up to three near it
    differentCategories,  ///< the units belong to different categories; `word` and `otherWord` name them
    needsRates,           ///< `word` is a currency code and no exchange rates are installed for it
  };
  Kind kind;
  std::string word;
  std::string otherWord;
  std::vector<TalUnit> suggestions;
  std::string message;
};

using ConversionPhraseResult = std::variant<ConversionPhrase, UnitTextError>;

/// Finds units from text. All functions are thread-safe and never throw
/// for any input (std::bad_alloc aside); texts that are not UTF-8 simply
/// match nothing. The index over the catalogues is built on first use, once.
/// Currency units are matched by ISO code (any case) once exchange rates are
/// installed.
class TAL_EXPORT UnitResolver {
 public:
  /// Every unit `text` may name (leading and trailing white space ignored),
  /// best first: by UnitMatchKind, then the preferred reading — US
  /// customary before imperial (gal, cup, pt, qt, fl oz, mpg, ton), the
  /// mechanical (imperial) horsepower for hp, the international-table
  /// calorie and BTU for cal, kcal and BTU — then category and catalogue
  /// order. Only units of `within` when given. Empty when none.
  [[nodiscard]] static std::vector<UnitMatch> findAll(std::string_view text,
                                                      std::optional<TalUnitCategory> within = std::nullopt);

  /// The first answer of findAll; absent when there is none.
  [[nodiscard]] static std::optional<TalUnit> find(std::string_view text,
                                                   std::optional<TalUnitCategory> within = std::nullopt);

  /// Units for a search box, at most `limit`: exact matches of a name,
  /// symbol or alias; then names with the text as whole words; then names,
  /// symbols and aliases that begin with it; then those that contain it;
  /// then names within a small edit distance (1 for texts of 3–4
  /// characters, 2 from 5). Ties go by category order, then shorter name,
  /// then catalogue order. Case is ignored. Empty for empty text.
  /// Currency units are found by find and findAll, not here.
  [[nodiscard]] static std::vector<TalUnit> search(std::string_view text, std::size_t limit = 20);

  /// The category named by its raw value or display name in any case
  /// ("length", "Length", "electric current", "current").
  [[nodiscard]] static std::optional<TalUnitCategory> findCategory(std::string_view text);

  /// Reads "<value> <terms…> [to|in|->|→|=] <target>": "1.5 km to mi",
  /// "1.5km in mi", "5 ft 11 in to cm", "١٫٥ km mi". The value may use
  /// Western, Arabic-Indic or Extended Arabic-Indic digits, "٫" as decimal
  /// and "٬" as group separator, a sign and an exponent; it is read exactly.
  /// The units' category is the one category every side can mean (the other
  /// side decides: "100 F to C" is temperature), the best-ranked one when
  /// several can; only `within` when given.
  [[nodiscard]] static ConversionPhraseResult readPhrase(std::string_view phrase,
                                                         std::optional<TalUnitCategory> within = std::nullopt);

  /// The same for a value, a source unit text and a target unit text given
  /// apart, as on a command line: ("1.5", "km", "mi").
  [[nodiscard]] static ConversionPhraseResult readConversion(std::string_view value, std::string_view from,
                                                             std::string_view to,
                                                             std::optional<TalUnitCategory> within = std::nullopt);
};

}  // namespace tal
