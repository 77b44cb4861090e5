// JsonFileExchangeRateService: a source that serves the snapshot stored in a
// JSON file on disk, in ExchangeRateData's JSON form — for apps and tools
// that fetch rates by other means, or ship a snapshot with themselves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/currency/IExchangeRateService.h"

namespace tal {

/// A rate source that reads the snapshot from a JSON file on each fetch; a missing or malformed file is an Error.
class TAL_EXPORT JsonFileExchangeRateService final : public IExchangeRateService {
 public:
  static constexpr std::string_view kErrorDomain = "JsonFileExchangeRateService";
  /// The file is missing, unreadable, or larger than kMaxFileSize.
  static constexpr int kUnreadableFile = 1;
  /// The file's text is not a snapshot; the description names the key and why.
  static constexpr int kMalformedFile = 2;
  static constexpr std::uintmax_t kMaxFileSize = 64u << 20;

  explicit JsonFileExchangeRateService(std::filesystem::path path);

  [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }

  /// Reads and decodes the file afresh, on the calling thread, and calls
  /// `completion` before returning: with the snapshot, or with an error of
  /// domain kErrorDomain and code kUnreadableFile or kMalformedFile.
  void fetchExchangeRates(Completion completion) override;

 private:
  std::filesystem::path path_;
};

}  // namespace tal
