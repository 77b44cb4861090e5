#include "TalFoundation/currency/JsonFileExchangeRateService.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "TalFoundation/currency/DecodingError.h"

namespace tal {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

Error fileError(const std::filesystem::path& path, int code, const std::string& reason) {
  return Error{std::string(JsonFileExchangeRateService::kErrorDomain), code, path.string() + ": " + reason};
}

std::string systemReason(int error) { return std::generic_category().message(error); }

// The whole file, or the error that stopped reading it.
std::variant<std::string, Error> readFile(const std::filesystem::path& path) {
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return fileError(path, JsonFileExchangeRateService::kUnreadableFile, systemReason(errno));
  std::string text;
  char chunk[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, file.get());
    text.append(chunk, n);
    if (text.size() > JsonFileExchangeRateService::kMaxFileSize)
      return fileError(path, JsonFileExchangeRateService::kUnreadableFile,
                       "larger than " + std::to_string(JsonFileExchangeRateService::kMaxFileSize >> 20) + " MiB");
    if (n < sizeof chunk) break;
  }
  // A directory opens but does not read.
  if (std::ferror(file.get()))
    return fileError(path, JsonFileExchangeRateService::kUnreadableFile, systemReason(errno != 0 ? errno : EIO));
  return text;
}

ExchangeRateResult decode(const std::filesystem::path& path, const std::string& text) {
  try {
    return ExchangeRateData::fromJSON(text);
  } catch (const DecodingError& error) {
    return fileError(path, JsonFileExchangeRateService::kMalformedFile, error.what());
  }
}

}  // namespace

JsonFileExchangeRateService::JsonFileExchangeRateService(std::filesystem::path path) : path_(std::move(path)) {}

void JsonFileExchangeRateService::fetchExchangeRates(Completion completion) {
  if (!completion) return;
  auto text = readFile(path_);
  if (auto* error = std::get_if<Error>(&text)) {
    completion(std::move(*error));
    return;
  }
  completion(decode(path_, std::get<std::string>(text)));
}

}  // namespace tal
