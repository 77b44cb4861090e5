// AppConstant: the app's names, versions, registration number and copyright
// years, read from the main bundle (platform/Bundle.h) once, on first access,
// and kept for the life of the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"

namespace tal {

namespace platform {
class Bundle;
}

/// The app's names, versions, registration number and copyright years, read once from the main bundle.
class TAL_EXPORT AppConstant {
 public:
  AppConstant() = delete;

  // Each value below is computed on its first access, once even under
  // concurrent first reads, from the main bundle as it is at that moment.

  /// "CFBundleDisplayName" of the localised "InfoPlist" strings; the key
  /// itself when no localisation has it.
  [[nodiscard]] static const std::string& bundleDisplayName();
  /// "CFBundleName" of the "InfoPlist" strings, the key when missing.
  [[nodiscard]] static const std::string& bundleName();
  /// "ShortProductName" of the "InfoPlist" strings, the key when missing.
  [[nodiscard]] static const std::string& shortProductName();
  /// "TMS" of the "InfoPlist" strings, the key when missing.
  [[nodiscard]] static const std::string& tmsName();
  /// "CFBundleShortVersionString" of the information dictionary; empty when
  /// missing or not text.
  [[nodiscard]] static const std::string& bundleShortVersion();
  /// "CFBundleVersion" of the information dictionary; empty when missing or
  /// not text.
  [[nodiscard]] static const std::string& bundleBuildVersion();
  /// bundleShortVersion "(" bundleBuildVersion ")", e.g. "2.4(57)".
  [[nodiscard]] static const std::string& appVersion();
  /// "Beianhao" of the information dictionary; empty when missing or not text.
  [[nodiscard]] static const std::string& beianhao();
  /// "Copyright since" of the information dictionary as a signed integer;
  /// 2015 when missing, empty, not an integer or beyond 64 bits.
  [[nodiscard]] static std::int64_t copyrightSince();
  /// copyrightSince and the current Gregorian year: "2026" when they are
  /// equal, else "smaller-larger" such as "2015-2026".
  [[nodiscard]] static const std::string& copyrightYear();

  // The same rules applied afresh to a given bundle, without caching.

  [[nodiscard]] static std::string bundleDisplayName(const platform::Bundle& bundle);
  [[nodiscard]] static std::string bundleName(const platform::Bundle& bundle);
  [[nodiscard]] static std::string shortProductName(const platform::Bundle& bundle);
  [[nodiscard]] static std::string tmsName(const platform::Bundle& bundle);
  [[nodiscard]] static std::string bundleShortVersion(const platform::Bundle& bundle);
  [[nodiscard]] static std::string bundleBuildVersion(const platform::Bundle& bundle);
  [[nodiscard]] static std::string appVersion(const platform::Bundle& bundle);
  [[nodiscard]] static std::string beianhao(const platform::Bundle& bundle);
  [[nodiscard]] static std::int64_t copyrightSince(const platform::Bundle& bundle);

  /// "+" or "-" at most once, then one or more ASCII digits and nothing else,
  /// within 64 bits; absent otherwise.
  [[nodiscard]] static std::optional<std::int64_t> parseSignedInteger(std::string_view text) noexcept;
  /// The copyright text for a since-year and a current year.
  [[nodiscard]] static std::string copyrightYear(std::int64_t since, std::int64_t currentYear);
};

}  // namespace tal
