// Converting and decimal arithmetic touch no heap: every global allocation
// in this program is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

#include "TalFoundation/catalogues/TalUnitAngle.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/units/TalMeasurement.h"

namespace {
std::atomic<std::size_t> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tal {
namespace {

TEST(ConvertAllocation, ConvertingAllocatesNothing) {
  const auto length = TalUnitCategory::length.getUnits();
  const auto angle = TalUnitAngle::allUnits();
  const TalUnit f = TalUnitTemperature::fahrenheit();
  const TalUnit c = TalUnitTemperature::celsius();
  const Decimal value = Decimal::fromString("1234.5678901234567890123456789012345678").value();
  (void)TalMeasurement::convert(value, f, c);  // first use builds the tables
  const std::size_t before = gAllocations.load();
  Decimal sink;
  for (int i = 0; i < 100; ++i) {
    sink += TalMeasurement::convert(value, length[1], length[18]).value_or(Decimal());
    sink += TalMeasurement::convert(value, f, c).value_or(Decimal());
    sink += TalMeasurement::convert(value, angle[0], angle[3]).value_or(Decimal());
    sink += pow(value / Decimal(7), 3) - value * value;
  }
  EXPECT_EQ(gAllocations.load(), before);
  EXPECT_FALSE(sink.isNaN());
}

TEST(ConvertAllocation, ConvertingToAWholeCategoryAllocatesNothing) {
  const auto length = TalUnitCategory::length.getUnits();
  const auto angle = TalUnitAngle::allUnits();
  const auto temperature = TalUnitTemperature::allUnits();
  std::vector<std::optional<Decimal>> results(length.size());
  const Decimal value = Decimal::fromString("1234.5678901234567890123456789012345678").value();
  TalMeasurement::convert(value, temperature[2], temperature, results);  // first use builds the tables
  const std::size_t before = gAllocations.load();
  for (std::size_t i = 0; i < 20; ++i) {
    TalMeasurement::convert(value, length[i % length.size()], length, results);
    TalMeasurement::convert(value, angle[i % angle.size()], angle, results);
    TalMeasurement::convert(value, temperature[i % temperature.size()], temperature, results);
  }
  EXPECT_EQ(gAllocations.load(), before);
  EXPECT_TRUE(results[0].has_value());
}

}  // namespace
}  // namespace tal
