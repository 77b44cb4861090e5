#include "TalFoundation/currency/detail/JsonText.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <limits>
#include <utility>

namespace tal::detail {

namespace {

using rapidjson::SizeType;

}  // namespace

std::optional<std::string> jsonString(std::string_view value) {
  if (value.size() > std::numeric_limits<SizeType>::max()) return std::nullopt;
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                    rapidjson::kWriteValidateEncodingFlag>
      writer(buffer);
  if (!writer.String(value.data(), static_cast<SizeType>(value.size()))) return std::nullopt;
  return std::string(buffer.GetString(), buffer.GetSize());
}

}  // namespace tal::detail
