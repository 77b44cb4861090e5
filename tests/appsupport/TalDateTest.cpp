#include "TalFoundation/appsupport/TalDate.h"

#include <gtest/gtest.h>

#include <unicode/timezone.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tal {
namespace {

using namespace std::chrono;
using Components = TalDate::Components;

constexpr TalDate::Instant at(year_month_day day, hours h, minutes m, seconds s) {
  return sys_days(day) + h + m + s;
}

struct ZoneRow {
  TalDate::Instant instant;
  std::string_view zone;
  Components expected;
};
void PrintTo(const ZoneRow& r, std::ostream* os) { *os << r.zone << " @" << r.instant.time_since_epoch().count(); }

class GregorianComponents : public testing::TestWithParam<ZoneRow> {};

TEST_P(GregorianComponents, OfAFixedInstantInAZone) {
  EXPECT_EQ(TalDate::gregorianComponents(GetParam().instant, GetParam().zone), GetParam().expected);
}

// Leap day, one second before midnight UTC; the local times worked out by hand.
constexpr TalDate::Instant kLeapEvening = at(2024y / February / 29, 23h, 59min, 30s);

INSTANTIATE_TEST_SUITE_P(
    Instants, GregorianComponents,
    testing::Values(ZoneRow{kLeapEvening, "UTC", {2024, 2, 29, 23, 59}},
                    ZoneRow{kLeapEvening, "Asia/Tokyo", {2024, 3, 1, 8, 59}},
                    ZoneRow{kLeapEvening, "Asia/Kolkata", {2024, 3, 1, 5, 29}},
                    ZoneRow{kLeapEvening, "America/New_York", {2024, 2, 29, 18, 59}},
                    ZoneRow{kLeapEvening, "Asia/Shanghai", {2024, 3, 1, 7, 59}},
                    ZoneRow{TalDate::Instant{}, "UTC", {1970, 1, 1, 0, 0}},
                    ZoneRow{TalDate::Instant{} - 1s, "UTC", {1969, 12, 31, 23, 59}},
                    ZoneRow{at(2000y / January / 1, 0h, 0min, 0s), "Pacific/Honolulu", {1999, 12, 31, 14, 0}},
                    ZoneRow{at(2025y / December / 31, 23h, 59min, 59s), "UTC", {2025, 12, 31, 23, 59}}));

TEST(GregorianComponents, UnknownZoneIsAbsent) {
  EXPECT_EQ(TalDate::gregorianComponents(kLeapEvening, "Mars/Olympus_Mons"), std::nullopt);
  EXPECT_EQ(TalDate::gregorianComponents(kLeapEvening, "not a zone"), std::nullopt);
}

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts;
}

// Sets the process's zone for ICU and the C library alike, and restores
// both. ICU reads the host's zone from its own sources (it ignores a POSIX
// TZ string such as "<+0545>-05:45"), so the test names an Olson zone.
class LocalZoneGuard {
 public:
  explicit LocalZoneGuard(const char* zone) : icuZone_(icu::TimeZone::createDefault()) {
    if (const char* old = std::getenv("TZ")) savedTz_ = old;
    setenv("TZ", zone, 1);
    tzset();
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone(zone));
  }
  LocalZoneGuard(const LocalZoneGuard&) = delete;
  LocalZoneGuard& operator=(const LocalZoneGuard&) = delete;
  ~LocalZoneGuard() {
    if (savedTz_) {
      setenv("TZ", savedTz_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
    icu::TimeZone::adoptDefault(icuZone_.release());
  }

 private:
  std::unique_ptr<icu::TimeZone> icuZone_;
  std::optional<std::string> savedTz_;
};

// The C library's local calendar is the independent reference; a read taken
// before and one after bracket the call, so a minute turning over between
// them is allowed for. Kathmandu's quarter-hour offset catches a reading in
// UTC or in whole hours.
TEST(CurrentDate, ComponentsAgreeWithTheLocalCalendar) {
  const LocalZoneGuard zone("Asia/Kathmandu");
  const std::tm before = localNow();
  const std::optional<int> y = TalDate::year();
  const std::optional<int> mo = TalDate::month();
  const std::optional<int> d = TalDate::day();
  const std::optional<int> h = TalDate::hour();
  const std::optional<int> mi = TalDate::minute();
  const int current = TalDate::currentYear();
  const std::tm after = localNow();
  ASSERT_TRUE(y && mo && d && h && mi);
  const auto either = [](int value, int a, int b) { return value == a || value == b; };
  EXPECT_TRUE(either(*y, before.tm_year + 1900, after.tm_year + 1900)) << *y;
  EXPECT_TRUE(either(current, before.tm_year + 1900, after.tm_year + 1900)) << current;
  EXPECT_TRUE(either(*mo, before.tm_mon + 1, after.tm_mon + 1)) << *mo;
  EXPECT_TRUE(either(*d, before.tm_mday, after.tm_mday)) << *d;
  EXPECT_TRUE(either(*h, before.tm_hour, after.tm_hour)) << *h;
  EXPECT_TRUE(either(*mi, before.tm_min, after.tm_min)) << *mi;
}

TEST(CurrentDate, CurrentAndNowInSystemAreTheClock) {
  const auto before = system_clock::now();
  const auto a = TalDate::current();
  const auto b = TalDate::nowInSystem();
  const auto after = system_clock::now();
  EXPECT_LE(before, a);
  EXPECT_LE(a, b);
  EXPECT_LE(b, after);
}

}  // namespace
}  // namespace tal
