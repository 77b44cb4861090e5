// Kesto: the app's links (store page, review page, subscription management,
// and the privacy, terms and contact pages in the user's language) and
// opening one on the main queue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/LinkOpener.h"

namespace tal {

/// The app's links (store, review, subscriptions, legal and contact pages in the user's language) and opening one.
class TAL_EXPORT Kesto {
 public:
  /// Where the links point; deployment facts, not the library's.
  struct Configuration {
    std::string storeHost = "apps.apple.com";
    /// The maker's numeric store identifier (a placeholder until configured).
    std::string developerId = "0";
    /// The product web site (a placeholder until configured).
    std::string webHost = "www.example.com";

    friend bool operator==(const Configuration&, const Configuration&) = default;
  };

  Kesto() = delete;

  /// Installs `configuration` for every later link. False, and nothing
  /// changed, when a host is not a name of letters, digits, "-" and "."
  /// followed by nothing or by ":" and one or more digits (a port), or the
  /// developer id is not one or more digits.
  static bool configure(Configuration configuration);
  [[nodiscard]] static Configuration configuration();

  /// `itms-apps://<store>/developer/id<developerId>`
  [[nodiscard]] static platform::URL ourAppsURLInAppStore();
  /// `itms-apps://<store>/app/id<appId>?mt=8&action=write-review`, the id in
  /// decimal with "-" when negative.
  [[nodiscard]] static platform::URL appReviewURL(std::int64_t appId);
  /// The same path and query over https.
  [[nodiscard]] static platform::URL appReviewURLHttps(std::int64_t appId);
  /// `https://<store>/account/subscriptions`
  [[nodiscard]] static platform::URL subscriptionManageURL();

  /// "en", "zh" or "tc" for the current locale, decided on every call.
  [[nodiscard]] static std::string_view languageSegment();
  /// The same for a locale identifier ("zh-Hant-CN" or "zh_Hant_CN"): "en"
  /// unless the language is "zh"; then "tc" for script Hant, else "tc" for
  /// region TW, HK or MO, else "zh".
  [[nodiscard]] static std::string_view languageSegment(std::string_view localeIdentifier);

  /// `https://<web>/<L>/legal/privacy-policy` for the current locale's L.
  [[nodiscard]] static std::string privacyPolicyUrl();
  /// `https://<web>/<L>/legal/terms`
  [[nodiscard]] static std::string termsOfServiceUrl();
  /// `https://<web>/<L>/contact/` (with the trailing slash)
  [[nodiscard]] static std::string supportUrl();
  [[nodiscard]] static platform::URL privacyPolicyURL();
  [[nodiscard]] static platform::URL termsOfServiceURL();
  [[nodiscard]] static platform::URL supportURL();

  /// The three pages for a given language segment (any text is used as given).
  [[nodiscard]] static std::string privacyPolicyUrl(std::string_view segment);
  [[nodiscard]] static std::string termsOfServiceUrl(std::string_view segment);
  [[nodiscard]] static std::string supportUrl(std::string_view segment);

  /// Returns at once; later, on the main thread (platform::runOnMainThread:
  /// the app's poster, or MainQueue::main()), hands `url` to the link opener
  /// installed at the time of this call. Nothing is reported back. Safe at
  /// any time: once MainQueue::main() has closed at exit, a link asked for
  /// without an app poster is dropped, never opened.
  static void openURL(const platform::URL& url);
};

}  // namespace tal
