// The source form of the catalogues: one row per unit, in display order,
// with name, symbol, coefficient and platform unit up front and every other
// field named only where it differs from its default.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalUnit.h"

namespace tal::platform {
class Unit;
}

namespace tal::catalogue {

/// The numerals of a name or symbol, kept inline so rows copy without the heap.
struct Numerals {
  static constexpr std::size_t kCapacity = 6;
  std::array<std::string_view, kCapacity> items{};
  std::size_t count = 0;
  bool present = false;
};

/// An optional cell of a row. Unlike std::optional it always holds a value,
/// so copying a row never reads uninitialised bytes (which GCC 12 reports at
/// -O1 on aarch64 when a row with empty optionals is copied).
template <class T>
struct Cell {
  T value;
  bool present = false;

  Cell& operator=(T v) noexcept {
    value = v;
    present = true;
    return *this;
  }
  [[nodiscard]] std::optional<T> get() const { return present ? std::optional<T>(value) : std::nullopt; }
};

/// In the symbol column: take the symbol text of the row's platform unit.
struct PlatformSymbol {};
inline constexpr PlatformSymbol platformSymbol{};

class UnitRow {
 public:
  UnitRow(std::string_view name, std::string_view symbol, Decimal coefficient,
          const platform::Unit* unit = nullptr) noexcept
      : name_(name), symbol_(symbol), coefficient_(coefficient), unit_(unit) {}
  UnitRow(std::string_view name, std::string_view symbol, Decimal coefficient, const platform::Unit& unit) noexcept
      : UnitRow(name, symbol, coefficient, &unit) {}
  UnitRow(std::string_view name, PlatformSymbol, Decimal coefficient, const platform::Unit& unit) noexcept;

  [[nodiscard]] UnitRow base() const { return with([](UnitRow& r) { r.isBase_ = true; }); }
  [[nodiscard]] UnitRow uiBase() const { return with([](UnitRow& r) { r.isUIBase_ = true; }); }
  [[nodiscard]] UnitRow inverse() const { return with([](UnitRow& r) { r.inverse_ = true; }); }
  [[nodiscard]] UnitRow baseNumerator(Decimal value) const {
    return with([&](UnitRow& r) { r.baseNumerator_ = value; });
  }
  [[nodiscard]] UnitRow offset(Decimal value) const { return with([&](UnitRow& r) { r.offset_ = value; }); }
  [[nodiscard]] UnitRow system(TalSystemOfUnits value) const { return with([&](UnitRow& r) { r.system_ = value; }); }
  [[nodiscard]] UnitRow region(TalUnitRegion value) const { return with([&](UnitRow& r) { r.region_ = value; }); }
  [[nodiscard]] UnitRow customaryName(TalUnitCustomaryNameStrategy value) const {
    return with([&](UnitRow& r) { r.customary_ = value; });
  }
  [[nodiscard]] UnitRow key(std::string_view value) const { return with([&](UnitRow& r) { r.key_ = value; }); }
  [[nodiscard]] UnitRow symbolKey(std::string_view value) const {
    return with([&](UnitRow& r) { r.symbolKey_ = value; });
  }
  [[nodiscard]] UnitRow numsInName(std::initializer_list<std::string_view> nums) const {
    return with([&](UnitRow& r) { r.numsInName_ = numerals(nums); });
  }
  [[nodiscard]] UnitRow numsInSymbol(std::initializer_list<std::string_view> nums) const {
    return with([&](UnitRow& r) { r.numsInSymbol_ = numerals(nums); });
  }

  [[nodiscard]] TalUnit make(TalUnitCategory category) const;

 private:
  static Numerals numerals(std::initializer_list<std::string_view> nums);

  template <class F>
  UnitRow with(F&& change) const {
    UnitRow copy = *this;
    change(copy);
    return copy;
  }

  std::string_view name_;
  std::string_view symbol_;
  Decimal coefficient_;
  const platform::Unit* unit_ = nullptr;
  Cell<Decimal> baseNumerator_{};
  Decimal offset_;
  TalSystemOfUnits system_ = TalSystemOfUnits::si;
  Cell<TalUnitRegion> region_{TalUnitRegion::Case{}};
  Cell<TalUnitCustomaryNameStrategy> customary_{TalUnitCustomaryNameStrategy::Case{}};
  Cell<std::string_view> key_{};
  Cell<std::string_view> symbolKey_{};
  Numerals numsInName_;
  Numerals numsInSymbol_;
  bool inverse_ = false;
  bool isBase_ = false;
  bool isUIBase_ = false;
};

/// The records of a catalogue, in row order.
[[nodiscard]] std::vector<TalUnit> makeUnits(TalUnitCategory category, std::initializer_list<UnitRow> rows);

}  // namespace tal::catalogue
