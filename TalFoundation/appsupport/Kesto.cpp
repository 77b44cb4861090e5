#include "TalFoundation/appsupport/Kesto.h"

#include <unicode/locid.h>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "TalFoundation/platform/MainQueue.h"

namespace tal {
namespace {

struct ConfigSlot {
  std::mutex mutex;
  Kesto::Configuration configuration;
};

ConfigSlot& configSlot() {
  // Never destroyed: links may be built during static destruction.
  static ConfigSlot& instance = *new ConfigSlot();
  return instance;
}

bool isDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A name of letters, digits, "-" and ".", then optionally ":" and a port.
bool isHost(std::string_view host) {
  const std::size_t colon = host.find(':');
  const std::string_view name = host.substr(0, colon);
  if (colon != std::string_view::npos && !isDigits(host.substr(colon + 1))) return false;
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
  });
}

// Only validated hosts and digits reach here, so the text always parses;
// the fallback keeps an impossible failure orderly.
platform::URL makeURL(const std::string& text) {
  if (std::optional<platform::URL> url = platform::URL::fromString(text)) return *std::move(url);
  return *platform::URL::fromString("about:blank");
}

std::string reviewPath(std::int64_t appId) { return "/app/id" + std::to_string(appId) + "?mt=8&action=write-review"; }

std::string webPage(std::string_view segment, std::string_view page) {
  std::string url = "https://" + Kesto::configuration().webHost + "/";
  url += segment;
  url += page;
  return url;
}

constexpr std::array<std::string_view, 3> kTraditionalRegions{"TW", "HK", "MO"};

std::string_view segmentFor(const icu::Locale& locale) {
  if (std::string_view(locale.getLanguage()) != "zh") return "en";
  if (std::string_view(locale.getScript()) == "Hant") return "tc";
  const std::string_view region = locale.getCountry();
  return std::find(kTraditionalRegions.begin(), kTraditionalRegions.end(), region) != kTraditionalRegions.end()
             ? "tc"
             : "zh";
}

}  // namespace

bool Kesto::configure(Configuration configuration) {
  if (!isHost(configuration.storeHost) || !isHost(configuration.webHost) || !isDigits(configuration.developerId)) {
    return false;
  }
  ConfigSlot& slot = configSlot();
  const std::lock_guard lock(slot.mutex);
  slot.configuration = std::move(configuration);
  return true;
}

Kesto::Configuration Kesto::configuration() {
  ConfigSlot& slot = configSlot();
  const std::lock_guard lock(slot.mutex);
  return slot.configuration;
}

platform::URL Kesto::ourAppsURLInAppStore() {
  const Configuration c = configuration();
  return makeURL("itms-apps://" + c.storeHost + "/developer/id" + c.developerId);
}

platform::URL Kesto::appReviewURL(std::int64_t appId) {
  return makeURL("itms-apps://" + configuration().storeHost + reviewPath(appId));
}

platform::URL Kesto::appReviewURLHttps(std::int64_t appId) {
  return makeURL("https://" + configuration().storeHost + reviewPath(appId));
}

platform::URL Kesto::subscriptionManageURL() {
  return makeURL("https://" + configuration().storeHost + "/account/subscriptions");
}

std::string_view Kesto::languageSegment() { return segmentFor(icu::Locale::getDefault()); }

std::string_view Kesto::languageSegment(std::string_view localeIdentifier) {
  const std::string id(localeIdentifier);
  // ICU reads both "zh-Hant-CN" and "zh_Hant_CN"; a tag it cannot read has no language.
  return segmentFor(icu::Locale(id.c_str()));
}

std::string Kesto::privacyPolicyUrl(std::string_view segment) { return webPage(segment, "/legal/privacy-policy"); }
std::string Kesto::termsOfServiceUrl(std::string_view segment) { return webPage(segment, "/legal/terms"); }
std::string Kesto::supportUrl(std::string_view segment) { return webPage(segment, "/contact/"); }

std::string Kesto::privacyPolicyUrl() { return privacyPolicyUrl(languageSegment()); }
std::string Kesto::termsOfServiceUrl() { return termsOfServiceUrl(languageSegment()); }
std::string Kesto::supportUrl() { return supportUrl(languageSegment()); }

platform::URL Kesto::privacyPolicyURL() { return makeURL(privacyPolicyUrl()); }
platform::URL Kesto::termsOfServiceURL() { return makeURL(termsOfServiceUrl()); }
platform::URL Kesto::supportURL() { return makeURL(supportUrl()); }

void Kesto::openURL(const platform::URL& url) {
  // The opener is taken now: it stays alive with the item even if the app
  // swaps openers, or the statics unwind, before the main thread runs it.
  platform::runOnMainThread([opener = platform::LinkOpener::current(), url] { opener->open(url); });
}

}  // namespace tal
