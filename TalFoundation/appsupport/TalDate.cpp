#include "TalFoundation/appsupport/TalDate.h"

#include <unicode/gregocal.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

namespace tal {
namespace {

constexpr int kYearWithoutCalendar = 2022;

std::optional<TalDate::Components> componentsNow() { return TalDate::gregorianComponents(TalDate::current()); }

}  // namespace

std::optional<TalDate::Components> TalDate::gregorianComponents(Instant instant, std::string_view timeZoneId) {
  std::unique_ptr<icu::TimeZone> zone;
  if (timeZoneId.empty()) {
    zone.reset(icu::TimeZone::createDefault());
  } else {
    const std::string id(timeZoneId);
    zone.reset(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(id)));
    // ICU answers an unknown name with the "Etc/Unknown" zone (GMT) rather than failing.
    if (zone && *zone == icu::TimeZone::getUnknown()) return std::nullopt;
  }
  if (!zone) return std::nullopt;

  UErrorCode status = U_ZERO_ERROR;
  icu::GregorianCalendar calendar(zone.release(), status);  // adopts the zone
  if (U_FAILURE(status)) return std::nullopt;

  const auto millis = std::chrono::duration_cast<std::chrono::duration<double, std::milli>>(instant.time_since_epoch());
  calendar.setTime(millis.count(), status);
  Components c;
  c.year = calendar.get(UCAL_YEAR, status);
  c.month = calendar.get(UCAL_MONTH, status) + 1;  // ICU counts months from 0
  c.day = calendar.get(UCAL_DATE, status);
  c.hour = calendar.get(UCAL_HOUR_OF_DAY, status);
  c.minute = calendar.get(UCAL_MINUTE, status);
  if (U_FAILURE(status)) return std::nullopt;
  return c;
}

std::optional<int> TalDate::year() {
  const auto c = componentsNow();
  return c ? std::optional<int>(c->year) : std::nullopt;
}

std::optional<int> TalDate::month() {
  const auto c = componentsNow();
  return c ? std::optional<int>(c->month) : std::nullopt;
}

std::optional<int> TalDate::day() {
  const auto c = componentsNow();
  return c ? std::optional<int>(c->day) : std::nullopt;
}

std::optional<int> TalDate::hour() {
  const auto c = componentsNow();
  return c ? std::optional<int>(c->hour) : std::nullopt;
}

std::optional<int> TalDate::minute() {
  const auto c = componentsNow();
  return c ? std::optional<int>(c->minute) : std::nullopt;
}

int TalDate::currentYear() { return year().value_or(kYearWithoutCalendar); }

}  // namespace tal
