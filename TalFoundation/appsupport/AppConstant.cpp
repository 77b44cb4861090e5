#include "TalFoundation/appsupport/AppConstant.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <system_error>

#include "TalFoundation/appsupport/TalDate.h"
#include "TalFoundation/platform/Bundle.h"

namespace tal {
namespace {

constexpr std::int64_t kDefaultCopyrightSince = 2015;
constexpr std::string_view kInfoPlistTable = "InfoPlist";

std::string localized(const platform::Bundle& bundle, std::string_view key) {
  return bundle.localizedString(key, "", kInfoPlistTable);
}

std::string info(const platform::Bundle& bundle, std::string_view key) {
  return bundle.infoString(key).value_or(std::string());
}

// Reads the main bundle once for a function-local static.
template <typename F>
auto fromMain(F read) {
  const std::shared_ptr<const platform::Bundle> bundle = platform::Bundle::main();
  return read(*bundle);
}

}  // namespace

std::string AppConstant::bundleDisplayName(const platform::Bundle& bundle) {
  return localized(bundle, "CFBundleDisplayName");
}
std::string AppConstant::bundleName(const platform::Bundle& bundle) { return localized(bundle, "CFBundleName"); }
std::string AppConstant::shortProductName(const platform::Bundle& bundle) {
  return localized(bundle, "ShortProductName");
}
std::string AppConstant::tmsName(const platform::Bundle& bundle) { return localized(bundle, "TMS"); }
std::string AppConstant::bundleShortVersion(const platform::Bundle& bundle) {
  return info(bundle, "CFBundleShortVersionString");
}
std::string AppConstant::bundleBuildVersion(const platform::Bundle& bundle) { return info(bundle, "CFBundleVersion"); }
std::string AppConstant::appVersion(const platform::Bundle& bundle) {
  return bundleShortVersion(bundle) + "(" + bundleBuildVersion(bundle) + ")";
}
std::string AppConstant::beianhao(const platform::Bundle& bundle) { return info(bundle, "Beianhao"); }

std::int64_t AppConstant::copyrightSince(const platform::Bundle& bundle) {
  const std::string text = bundle.infoString("Copyright since").value_or("2015");
  return parseSignedInteger(text).value_or(kDefaultCopyrightSince);
}

std::optional<std::int64_t> AppConstant::parseSignedInteger(std::string_view text) noexcept {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars takes no "+" and would accept a second "-"; the sign is ours.
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  constexpr auto kMaxPositive = static_cast<std::uint64_t>(INT64_MAX);
  if (negative) {
    if (magnitude > kMaxPositive + 1) return std::nullopt;
    return magnitude == kMaxPositive + 1 ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
  }
  if (magnitude > kMaxPositive) return std::nullopt;
  return static_cast<std::int64_t>(magnitude);
}

std::string AppConstant::copyrightYear(std::int64_t since, std::int64_t currentYear) {
  if (since == currentYear) return std::to_string(since);
  return std::to_string(std::min(since, currentYear)) + "-" + std::to_string(std::max(since, currentYear));
}

const std::string& AppConstant::bundleDisplayName() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return bundleDisplayName(b); });
  return value;
}
const std::string& AppConstant::bundleName() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return bundleName(b); });
  return value;
}
const std::string& AppConstant::shortProductName() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return shortProductName(b); });
  return value;
}
const std::string& AppConstant::tmsName() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return tmsName(b); });
  return value;
}
const std::string& AppConstant::bundleShortVersion() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return bundleShortVersion(b); });
  return value;
}
const std::string& AppConstant::bundleBuildVersion() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return bundleBuildVersion(b); });
  return value;
}
const std::string& AppConstant::appVersion() {
  // Built from the two kept values, so all three always agree.
  static const std::string value = bundleShortVersion() + "(" + bundleBuildVersion() + ")";
  return value;
}
const std::string& AppConstant::beianhao() {
  static const std::string value = fromMain([](const platform::Bundle& b) { return beianhao(b); });
  return value;
}
std::int64_t AppConstant::copyrightSince() {
  static const std::int64_t value = fromMain([](const platform::Bundle& b) { return copyrightSince(b); });
  return value;
}
const std::string& AppConstant::copyrightYear() {
  static const std::string value = copyrightYear(copyrightSince(), TalDate::currentYear());
  return value;
}

}  // namespace tal
