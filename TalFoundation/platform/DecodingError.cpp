#include "TalFoundation/platform/DecodingError.h"

#include <utility>

namespace tal {

namespace {

std::string message(const std::string& key, const std::string& reason) {
  return key.empty() ? reason : key + ": " + reason;
}

}  // namespace

DecodingError::DecodingError(Kind kind, std::string key, std::string reason)
    : std::runtime_error(message(key, reason)), kind_(kind), key_(std::move(key)), reason_(std::move(reason)) {}

void throwDecodingError(DecodingError::Kind kind, std::string key, std::string reason) {
  throw DecodingError(kind, std::move(key), std::move(reason));
}

}  // namespace tal
