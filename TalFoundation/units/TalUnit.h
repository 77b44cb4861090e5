// TalUnit: the immutable record of one unit of one category — what a
// conversion needs, what the app shows, and how the unit is classified.
// Neighbours: TalUnitCategory.h (the categories), TalMeasurement.h (conversion).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalSystemOfUnits.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/TalUnitCustomaryNameStrategy.h"
#include "TalFoundation/units/TalUnitRegion.h"
#include "TalFoundation/units/detail/ConversionData.h"

namespace tal {

namespace platform {
class Unit;
}

/// One unit. Copies are cheap and share the same immutable fields.
/// Two units are equal when their categories and symbols are equal.
class TAL_EXPORT TalUnit {
 public:
  /// Every field but the two derived ones, by name, so that the constructor
  /// below reads as designated initialisers and two flags cannot trade
  /// places unseen:
  ///   TalUnit({.category = TalUnitCategory::length, .name = "Meter", .symbol = "m", .isBaseUnit = true})
  /// The category must be given; every other field has the default shown.
  struct Fields {
    TalUnitCategory category;
    TalSystemOfUnits systemOfUnits = TalSystemOfUnits::si;
    const platform::Unit* dimension = nullptr;
    std::string name = {};
    std::string symbol = {};
    std::optional<std::string> symbolKey = {};
    std::optional<TalUnitCustomaryNameStrategy> useCustomaryName = {};
    Decimal coefficient = 1;
    std::optional<Decimal> baseNumerator = {};
    bool inverse = false;
    std::optional<TalUnitRegion> region = {};
    Decimal offset = 0;
    bool isBaseUnit = false;
    bool isUIBaseUnit = false;
    std::optional<std::vector<std::string>> numsInName = {};
    std::optional<std::vector<std::string>> numsInSymbol = {};
    std::optional<std::string> localizationKey = {};
  };
  explicit TalUnit(Fields fields);

  /// Every field but the two derived ones: `id` is the category's raw value,
  /// "_" and the symbol; `symbolNeedLocalized` is whether `symbolKey` is
  /// present and not empty.
  TalUnit(TalUnitCategory category, TalSystemOfUnits systemOfUnits, const platform::Unit* dimension,
          std::string name, std::string symbol, std::optional<std::string> symbolKey,
          std::optional<TalUnitCustomaryNameStrategy> useCustomaryName, Decimal coefficient,
          std::optional<Decimal> baseNumerator, bool inverse, std::optional<TalUnitRegion> region,
          Decimal offset, bool isBaseUnit, bool isUIBaseUnit, std::optional<std::vector<std::string>> numsInName,
          std::optional<std::vector<std::string>> numsInSymbol, std::optional<std::string> localizationKey);

  /// Moving copies the shared fields: a moved-from unit keeps its value, so
  /// every accessor, == and hash stay safe on what std::remove_if and
  /// friends leave behind.
  TalUnit(const TalUnit&) noexcept = default;
  TalUnit(TalUnit&& other) noexcept : fields_(other.fields_) {}
  TalUnit& operator=(const TalUnit&) noexcept = default;
  TalUnit& operator=(TalUnit&& other) noexcept {
    fields_ = other.fields_;
    return *this;
  }
  ~TalUnit() = default;

  [[nodiscard]] const std::string& id() const noexcept { return fields_->id; }
  [[nodiscard]] TalUnitCategory category() const noexcept { return fields_->category; }
  [[nodiscard]] TalSystemOfUnits systemOfUnits() const noexcept { return fields_->systemOfUnits; }
  /// The platform's own unit for the same quantity; nullptr when there is none.
  [[nodiscard]] const platform::Unit* dimension() const noexcept { return fields_->dimension; }
  [[nodiscard]] const std::string& name() const noexcept { return fields_->name; }
  [[nodiscard]] const std::optional<std::vector<std::string>>& numsInName() const noexcept {
    return fields_->numsInName;
  }
  [[nodiscard]] const std::optional<std::vector<std::string>>& numsInSymbol() const noexcept {
    return fields_->numsInSymbol;
  }
  [[nodiscard]] const std::string& symbol() const noexcept { return fields_->symbol; }
  [[nodiscard]] const std::optional<std::string>& symbolKey() const noexcept { return fields_->symbolKey; }
  [[nodiscard]] bool symbolNeedLocalized() const noexcept { return fields_->symbolNeedLocalized; }
  [[nodiscard]] std::optional<TalUnitCustomaryNameStrategy> useCustomaryName() const noexcept {
    return fields_->useCustomaryName;
  }
  [[nodiscard]] const Decimal& coefficient() const noexcept { return fields_->coefficient; }
  [[nodiscard]] const std::optional<Decimal>& baseNumerator() const noexcept { return fields_->baseNumerator; }
  [[nodiscard]] bool inverse() const noexcept { return fields_->inverse; }
  [[nodiscard]] std::optional<TalUnitRegion> region() const noexcept { return fields_->region; }
  [[nodiscard]] const Decimal& offset() const noexcept { return fields_->offset; }
  [[nodiscard]] const std::optional<std::string>& localizationKey() const noexcept {
    return fields_->localizationKey;
  }
  [[nodiscard]] bool isBaseUnit() const noexcept { return fields_->isBaseUnit; }
  [[nodiscard]] bool isUIBaseUnit() const noexcept { return fields_->isUIBaseUnit; }

  /// The display symbol of the currency a currency unit stands for ("JP¥"
  /// for the unit of JPY); absent for other categories and for a symbol that
  /// is not one of the 156 currency codes. The text has static storage.
  [[nodiscard]] std::optional<std::string_view> currencySymbol() const noexcept;

  /// The first unit of the category's list; absent while the list is empty
  /// (currency before any rates were applied).
  [[nodiscard]] static std::optional<TalUnit> defaultUnit(TalUnitCategory category);

  friend bool operator==(const TalUnit& a, const TalUnit& b) noexcept {
    return a.category() == b.category() && a.symbol() == b.symbol();
  }

  [[nodiscard]] std::size_t hash() const noexcept;

  /// What the conversion roads precompute for this unit; for TalMeasurement.
  [[nodiscard]] const detail::ConversionData& conversionData() const noexcept { return fields_->conversion; }

 private:
  /// What all copies of a unit share: the Fields, plus the derived id, symbolNeedLocalized and conversion data.
  struct Record {
    // First, so what a conversion reads sits together.
    detail::ConversionData conversion;
    std::string id;
    TalUnitCategory category;
    TalSystemOfUnits systemOfUnits;
    const platform::Unit* dimension;
    std::string name;
    std::optional<std::vector<std::string>> numsInName;
    std::optional<std::vector<std::string>> numsInSymbol;
    std::string symbol;
    std::optional<std::string> symbolKey;
    bool symbolNeedLocalized;
    std::optional<TalUnitCustomaryNameStrategy> useCustomaryName;
    Decimal coefficient;
    std::optional<Decimal> baseNumerator;
    bool inverse;
    std::optional<TalUnitRegion> region;
    Decimal offset;
    std::optional<std::string> localizationKey;
    bool isBaseUnit;
    bool isUIBaseUnit;
  };
  std::shared_ptr<const Record> fields_;
};

}  // namespace tal

template <>
struct std::hash<tal::TalUnit> {
  std::size_t operator()(const tal::TalUnit& unit) const noexcept { return unit.hash(); }
};
