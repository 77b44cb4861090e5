// Every enumeration class built from an integer cast to its Case that names
// no case holds its documented fallback, so its table lookups stay in range.
#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

#include "TalFoundation/appsupport/AppColorScheme.h"
#include "TalFoundation/appsupport/Device.h"
#include "TalFoundation/appsupport/SFSymbols.h"
#include "TalFoundation/appsupport/TalChineseFontPreference.h"
#include "TalFoundation/appsupport/TalDevice.h"
#include "TalFoundation/appsupport/TalNumPadTheme.h"
#include "TalFoundation/appsupport/TalNumPadType.h"
#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/currency/TalCurrencySortingOrder.h"
#include "TalFoundation/numbertext/TalDecimalPlace.h"
#include "TalFoundation/numbertext/TalDecimalSeparator.h"
#include "TalFoundation/numbertext/TalDigitGroupingSize.h"
#include "TalFoundation/numbertext/TalDigitGroupingSymbol.h"
#include "TalFoundation/numbertext/TalNotation.h"
#include "TalFoundation/numbertext/TalSecondaryDigitGroupingSize.h"
#include "TalFoundation/units/TalSystemOfUnits.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/TalUnitCustomaryNameStrategy.h"
#include "TalFoundation/units/TalUnitRegion.h"

namespace tal {
namespace {

// The number of declared cases, counted by hand from each header.
template <class T>
struct Declared;
template <> struct Declared<AppColorScheme> { static constexpr int count = 3; };
template <> struct Declared<Device::Devicetype> { static constexpr int count = 5; };
template <> struct Declared<SFSymbols> { static constexpr int count = 6; };
template <> struct Declared<TalChineseFontPreference> { static constexpr int count = 4; };
template <> struct Declared<TalDevice::DeviceType> { static constexpr int count = 8; };
template <> struct Declared<TalNumPadTheme> { static constexpr int count = 2; };
template <> struct Declared<TalNumPadType> { static constexpr int count = 2; };
template <> struct Declared<TalCurrency> { static constexpr int count = 156; };
template <> struct Declared<TalCurrencySortingOrder> { static constexpr int count = 2; };
template <> struct Declared<TalDecimalPlace> { static constexpr int count = 15; };
template <> struct Declared<TalDecimalSeparator> { static constexpr int count = 3; };
template <> struct Declared<TalDigitGroupingSize> { static constexpr int count = 3; };
template <> struct Declared<TalDigitGroupingSymbol> { static constexpr int count = 7; };
template <> struct Declared<TalNotation> { static constexpr int count = 4; };
template <> struct Declared<TalSecondaryDigitGroupingSize> { static constexpr int count = 4; };
template <> struct Declared<TalSystemOfUnits> { static constexpr int count = 9; };
template <> struct Declared<TalUnitCategory> { static constexpr int count = 74; };
template <> struct Declared<TalUnitCustomaryNameStrategy> { static constexpr int count = 2; };
template <> struct Declared<TalUnitRegion> { static constexpr int count = 6; };

template <class T>
class CaseInRange : public testing::Test {};

using EnumerationClasses =
    testing::Types<AppColorScheme, Device::Devicetype, SFSymbols, TalChineseFontPreference, TalDevice::DeviceType,
                   TalNumPadTheme, TalNumPadType, TalCurrency, TalCurrencySortingOrder, TalDecimalPlace,
                   TalDecimalSeparator, TalDigitGroupingSize, TalDigitGroupingSymbol, TalNotation,
                   TalSecondaryDigitGroupingSize, TalSystemOfUnits, TalUnitCategory, TalUnitCustomaryNameStrategy,
                   TalUnitRegion>;
TYPED_TEST_SUITE(CaseInRange, EnumerationClasses);

TYPED_TEST(CaseInRange, ACastValueNamingNoCaseIsReadAsTheFallback) {
  using T = TypeParam;
  using Case = typename T::Case;
  constexpr int count = Declared<T>::count;
  // TalDevice's kinds fall back to their own "unknown"; every other class to its first case.
  const T fallback = std::is_same_v<T, TalDevice::DeviceType> ? T(Case(static_cast<std::uint8_t>(count - 1)))
                                                               : T(Case(0));
  const T last(Case(static_cast<std::uint8_t>(count - 1)));
  for (const int ordinal : {count, count + 1, 200, 255}) {
    const T value(Case(static_cast<std::uint8_t>(ordinal)));
    EXPECT_EQ(value, fallback) << "ordinal " << ordinal;
    if constexpr (requires { value.rawValue(); }) {
      EXPECT_EQ(value.rawValue(), fallback.rawValue());
    }
  }
  EXPECT_FALSE(last == T(Case(0))) << "the last declared case is kept";
  if constexpr (requires { T::allCases(); }) {
    EXPECT_EQ(T::allCases().size(), static_cast<std::size_t>(count));
  }
}

}  // namespace
}  // namespace tal
