// tal-convert: a small command line over TalFoundation.
//
//   tal-convert calc "1 / 3"          exact decimal arithmetic: + - * / ^ ( )
//   tal-convert 1.5 km mi             convert between units (symbols, ids or names)
//   tal-convert --category mass 1 kg lb   only within one category
//   tal-convert --list length         the units of a category
//   tal-convert --categories          the categories
//   tal-convert --example-rates 100 USD EUR      money, with the built-in snapshot
//   tal-convert --rates rates.json 100 USD EUR   money, with a snapshot file
//   --json before or after any of them prints JSON; --help, --version.
//
// Every number is a 38-digit decimal; nothing goes through binary floating point.
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/TalFoundation.h"
#include "examples/UnitLookup.h"

namespace {

using tal::Decimal;

// Recursive descent over: sum := product (('+'|'-') product)*,
// product := power (('*'|'/') power)*, power := unary ('^' integer)?,
// unary := '-' unary | '(' sum ')' | number.
class Calculator {
 public:
  explicit Calculator(std::string_view text) : text_(text) {}

  std::optional<Decimal> evaluate() {
    auto value = sum();
    skipSpace();
    if (!value || pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void skipSpace() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  bool accept(char c) {
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::optional<Decimal> sum() {
    auto left = product();
    while (left) {
      if (accept('+')) {
        auto right = product();
        if (!right) return std::nullopt;
        *left += *right;
      } else if (accept('-')) {
        auto right = product();
        if (!right) return std::nullopt;
        *left -= *right;
      } else {
        break;
      }
    }
    return left;
  }
  std::optional<Decimal> product() {
    auto left = power();
    while (left) {
      if (accept('*')) {
        auto right = power();
        if (!right) return std::nullopt;
        *left *= *right;
      } else if (accept('/')) {
        auto right = power();
        if (!right) return std::nullopt;
        *left /= *right;
      } else {
        break;
      }
    }
    return left;
  }
  std::optional<Decimal> power() {
    auto base = unary();
    if (base && accept('^')) {
      skipSpace();
      long long n = 0;
      std::size_t digits = 0;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && digits < 12) {
        n = n * 10 + (text_[pos_++] - '0');
        ++digits;
      }
      if (digits == 0) return std::nullopt;
      return pow(*base, n);
    }
    return base;
  }
  std::optional<Decimal> unary() {
    if (accept('-')) {
      auto value = unary();
      return value ? std::optional<Decimal>(-*value) : std::nullopt;
    }
    if (accept('(')) {
      auto value = sum();
      if (!value || !accept(')')) return std::nullopt;
      return value;
    }
    skipSpace();
    const std::string_view rest = text_.substr(pos_);
    if (rest.empty() || rest[0] == '+' || rest[0] == '-' || rest[0] == ' ') return std::nullopt;
    std::size_t length = 0;
    auto value = Decimal::fromString(rest, length);
    pos_ += length;
    return value;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Exit status, as documented in --help and in the man page.
constexpr int kSuccess = 0;
constexpr int kFailure = 1;  // a value, unit, category, expression or rate file that cannot be used
constexpr int kUsageError = 2;

constexpr const char* kSynopsis =
    "usage: tal-convert [--json] <value> <from> <to>\n"
    "       tal-convert [--json] --category <category> <value> <from> <to>\n"
    "       tal-convert [--json] calc \"<expression>\"\n"
    "       tal-convert [--json] --list <category>\n"
    "       tal-convert [--json] --categories\n"
    "       tal-convert [--json] --example-rates <amount> <from> <to>\n"
    "       tal-convert [--json] --rates <file.json> <amount> <from> <to>\n"
    "       tal-convert --help | --version\n";

constexpr const char* kDetails =
    "\n"
    "Converts between units with exact 38-digit decimals. A unit is given by its\n"
    "id (length_km), its symbol (km) or its name in any letter case (kilometer);\n"
    "the first category, in --categories order, that has both units is used.\n"
    "calc evaluates + - * / ^ (whole powers) and parentheses.\n"
    "\n"
    "  --category <c>    look for the two units only in category <c>\n"
    "  --list <c>        the units of category <c>: id, symbol, name\n"
    "  --categories      the categories: raw value, name, number of units\n"
    "  --example-rates   convert money with the built-in rate snapshot\n"
    "  --rates <file>    convert money with a rate snapshot in a JSON file\n"
    "  --json            print JSON; decimals are JSON strings of the exact text\n"
    "  --help, -h        print this text\n"
    "  --version         print the version\n"
    "\n"
    "examples: tal-convert 1.5 km mi\n"
    "          tal-convert 100 °F °C\n"
    "          tal-convert --category mass 1 kg lb\n"
    "          tal-convert calc \"1 / 3\"\n"
    "          tal-convert --json --example-rates 100 USD EUR\n"
    "\n"
    "exit status: 0 success; 1 a number, unit, category, expression or rate file\n"
    "that cannot be used, or a result that is not a number (NaN); 2 usage error.\n";

int usage() {
  std::fputs(kSynopsis, stderr);
  std::fputs("Try 'tal-convert --help' for more.\n", stderr);
  return kUsageError;
}

// JSON output. Decimals are written as JSON strings of their exact text: a
// JSON number would be read back as a double by most consumers.
class JsonOut {
 public:
  JsonOut& key(std::string_view name) {
    ok_ = ok_ && writer_.Key(name.data(), length(name));
    return *this;
  }
  JsonOut& string(std::string_view value) {
    ok_ = ok_ && writer_.String(value.data(), length(value));
    return *this;
  }
  JsonOut& boolean(bool value) {
    ok_ = ok_ && writer_.Bool(value);
    return *this;
  }
  JsonOut& count(std::size_t value) {
    ok_ = ok_ && writer_.Uint64(value);
    return *this;
  }
  JsonOut& beginObject() {
    ok_ = ok_ && writer_.StartObject();
    return *this;
  }
  JsonOut& endObject() {
    ok_ = ok_ && writer_.EndObject();
    return *this;
  }
  JsonOut& beginArray() {
    ok_ = ok_ && writer_.StartArray();
    return *this;
  }
  JsonOut& endArray() {
    ok_ = ok_ && writer_.EndArray();
    return *this;
  }
  JsonOut& unit(const tal::TalUnit& u) {
    return beginObject().key("id").string(u.id()).key("symbol").string(u.symbol()).key("name").string(u.name());
  }
  /// Prints the document and a line feed; fails when a text was not UTF-8,
  /// which strict JSON cannot carry.
  bool print() {
    if (!ok_ || !writer_.IsComplete()) {
      std::fputs("tal-convert: the output is not valid UTF-8\n", stderr);
      return false;
    }
    std::printf("%s\n", buffer_.GetString());
    return true;
  }

 private:
  static rapidjson::SizeType length(std::string_view text) { return static_cast<rapidjson::SizeType>(text.size()); }

  rapidjson::StringBuffer buffer_;
  rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                    rapidjson::kWriteValidateEncodingFlag>
      writer_{buffer_};
  bool ok_ = true;
};

int list(std::string_view raw, bool json) {
  const auto category = tal::TalUnitCategory::fromRawValue(raw);
  if (!category) {
    std::fprintf(stderr, "tal-convert: no category \"%.*s\" (see --categories)\n", static_cast<int>(raw.size()),
                 raw.data());
    return kFailure;
  }
  if (json) {
    JsonOut out;
    out.beginObject().key("category").string(category->rawValue()).key("displayName").string(
        category->displayName());
    out.key("units").beginArray();
    for (const auto& u : category->getUnits()) out.unit(u).key("isBaseUnit").boolean(u.isBaseUnit()).endObject();
    out.endArray().endObject();
    return out.print() ? kSuccess : kFailure;
  }
  // Columns are padded by characters, not bytes, so "ʹʹ" and "m²" line up.
  const auto padded = [](const std::string& text, std::size_t width) {
    const auto characters = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return text + std::string(characters < width ? width - characters : 1, ' ');
  };
  for (const auto& u : category->getUnits())
    std::printf("%s%s%s%s\n", padded(u.id(), 29).c_str(), padded(u.symbol(), 15).c_str(), u.name().c_str(),
                u.isBaseUnit() ? "  (base)" : "");
  return kSuccess;
}

int categories(bool json) {
  if (json) {
    JsonOut out;
    out.beginArray();
    for (const auto& c : tal::TalUnitCategory::allCases())
      out.beginObject()
          .key("rawValue").string(c.rawValue())
          .key("displayName").string(c.displayName())
          .key("unitCount").count(c.getUnits().size())
          .endObject();
    out.endArray();
    return out.print() ? kSuccess : kFailure;
  }
  for (const auto& c : tal::TalUnitCategory::allCases())
    std::printf("%-26.*s %.*s (%zu units)\n", static_cast<int>(c.rawValue().size()), c.rawValue().data(),
                static_cast<int>(c.displayName().size()), c.displayName().data(), c.getUnits().size());
  return kSuccess;
}

int convert(std::string_view valueText, std::string_view fromText, std::string_view toText, bool json,
            std::optional<tal::TalUnitCategory> only = std::nullopt) {
  std::size_t consumed = 0;
  const auto value = Decimal::fromString(valueText, consumed);
  if (!value || consumed != valueText.size()) {
    std::fprintf(stderr, "tal-convert: \"%.*s\" is not a number\n", static_cast<int>(valueText.size()),
                 valueText.data());
    return kFailure;
  }
  // The first category, in category order, that knows both units.
  for (const auto& category : tal::TalUnitCategory::allCases()) {
    if (only && category != *only) continue;
    const auto units = category.getUnits();
    const auto from = tal::example::findUnit(fromText, units);
    const auto to = tal::example::findUnit(toText, units);
    if (!from || !to) continue;
    const auto result = tal::TalMeasurement::convert(*value, *from, *to);
    if (!result) break;
    if (json) {
      JsonOut out;
      out.beginObject().key("category").string(category.rawValue()).key("value").string(value->description());
      out.key("from").unit(*from).endObject().key("to").unit(*to).endObject();
      out.key("result").string(result->description()).endObject();
      if (!out.print()) return kFailure;
    } else {
      std::printf("%s %s = %s %s\n", value->description().c_str(), from->symbol().c_str(),
                  result->description().c_str(), to->symbol().c_str());
    }
    return result->isNaN() ? kFailure : kSuccess;
  }
  std::fprintf(stderr, "tal-convert: no category has both \"%.*s\" and \"%.*s\" (see --list <category>)\n",
               static_cast<int>(fromText.size()), fromText.data(), static_cast<int>(toText.size()), toText.data());
  return kFailure;
}

int calculate(std::string_view expression, bool json) {
  const auto value = Calculator(expression).evaluate();
  if (!value) {
    std::fprintf(stderr, "tal-convert: cannot read the expression \"%.*s\"\n", static_cast<int>(expression.size()),
                 expression.data());
    return kFailure;
  }
  if (json) {
    JsonOut out;
    out.beginObject().key("expression").string(expression).key("result").string(value->description()).endObject();
    if (!out.print()) return kFailure;
  } else {
    std::printf("%s\n", value->description().c_str());
  }
  return value->isNaN() ? kFailure : kSuccess;
}

/// Loads a rate snapshot through the manager, then converts between two of its currencies.
int convertCurrency(std::shared_ptr<tal::IExchangeRateService> source, std::string_view amount,
                    std::string_view from, std::string_view to, bool json) {
  auto& manager = tal::TalExchangeRateManager::shared();
  manager.configure(std::move(source));
  if (const std::optional<tal::Error> error = manager.updateRates().get()) {
    std::fprintf(stderr, "tal-convert: %s\n", error->localizedDescription.c_str());
    return kFailure;
  }
  return convert(amount, from, to, json);
}

int run(std::vector<std::string_view> args) {
  // --json may stand anywhere; no value or unit is spelt that way.
  const bool json = std::erase(args, std::string_view("--json")) > 0;
  const std::size_t n = args.size();
  if (n == 0) return usage();
  const std::string_view command = args[0];
  if (command == "--help" || command == "-h") {
    std::fputs(kSynopsis, stdout);
    std::fputs(kDetails, stdout);
    return kSuccess;
  }
  if (command == "--version" && n == 1) {
    std::printf("tal-convert %s\n", tal::kVersionText);
    return kSuccess;
  }
  if (command == "--example-rates" && n == 4)
    return convertCurrency(std::make_shared<tal::ExampleExchangeRateService>(), args[1], args[2], args[3], json);
  if (command == "--rates" && n == 5)
    return convertCurrency(std::make_shared<tal::JsonFileExchangeRateService>(std::string(args[1])), args[2],
                           args[3], args[4], json);
  if (command == "--categories" && n == 1) return categories(json);
  if (command == "--list" && n == 2) return list(args[1], json);
  if (command == "--category" && n == 5) {
    const auto category = tal::TalUnitCategory::fromRawValue(args[1]);
    if (!category) return list(args[1], json);  // names the unknown category
    return convert(args[2], args[3], args[4], json, category);
  }
  if (command == "calc" && n == 2) return calculate(args[1], json);
  // Anything else spelt as an option is one unknown or given the wrong arguments.
  if (command.starts_with("--") || n != 3) return usage();
  return convert(args[0], args[1], args[2], json);
}

}  // namespace

int main(int argc, char** argv) { return run(std::vector<std::string_view>(argv + 1, argv + argc)); }
