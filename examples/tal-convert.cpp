// tal-convert: a small command line over TalFoundation.
//
//   tal-convert calc "1 / 3"          exact decimal arithmetic: + - * / ^ ( )
//   tal-convert 1.5 km mi             convert between units (ids, symbols, names, abbreviations)
//   tal-convert "5 ft 11 in to cm"    one phrase: a value, one or more terms, a target
//   tal-convert --category mass 1 kg lb   only within one category
//   tal-convert --search mile         units for a search text, best first
//   tal-convert --list length         the units of a category
//   tal-convert --categories          the categories
//   tal-convert --example-rates 100 USD EUR      money, with the built-in snapshot
//   tal-convert --rates rates.json 100 USD EUR   money, with a snapshot file
//   --json, --plain and --digits N may stand anywhere; --help, --version.
//
// Every number is a 38-digit decimal; nothing goes through binary floating point.
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "TalFoundation/TalFoundation.h"

namespace {

using tal::Decimal;

// Recursive descent over: sum := product (('+'|'-') product)*,
// product := unary (('*'|'/') unary)*, unary := ('-'|'+') unary | power,
// power := primary ('^' unary)?, primary := '(' sum ')' | number.
// So unary minus binds looser than '^' (-2^2 = -4) and '^' groups to the
// right (2^3^2 = 2^9); an exponent must be a whole number, negative allowed.
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
  // Deep enough for any expression a person writes; deeper input is refused
  // rather than allowed to exhaust the stack.
  static constexpr int kMaxDepth = 200;

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
    auto left = unary();
    while (left) {
      if (accept('*')) {
        auto right = unary();
        if (!right) return std::nullopt;
        *left *= *right;
      } else if (accept('/')) {
        auto right = unary();
        if (!right) return std::nullopt;
        *left /= *right;
      } else {
        break;
      }
    }
    return left;
  }
  std::optional<Decimal> unary() {
    if (++depth_ > kMaxDepth) return std::nullopt;
    std::optional<Decimal> value;
    if (accept('-')) {
      value = unary();
      if (value) value = -*value;
    } else if (accept('+')) {
      value = unary();
    } else {
      value = power();
    }
    --depth_;
    return value;
  }
  std::optional<Decimal> power() {
    auto base = primary();
    if (!base || !accept('^')) return base;
    const auto exponent = unary();
    if (!exponent || exponent->isNaN()) return std::nullopt;
    // Whole exponents only, and small enough to be worth computing.
    const Decimal whole = exponent->rounded(0, Decimal::Rounding::down);
    if (whole != *exponent || whole.magnitude() > Decimal(999999999)) return std::nullopt;
    const auto n = static_cast<std::int64_t>(std::strtoll(whole.description().c_str(), nullptr, 10));
    if (n >= 0) return pow(*base, n);
    return Decimal(1) / pow(*base, -n);
  }
  std::optional<Decimal> primary() {
    if (accept('(')) {
      if (++depth_ > kMaxDepth) return std::nullopt;
      auto value = sum();
      --depth_;
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
  int depth_ = 0;
};

// Exit status, as documented in --help and in the man page.
constexpr int kSuccess = 0;
constexpr int kFailure = 1;  // a value, category, expression or rate file that cannot be used; a NaN result
constexpr int kUsageError = 2;
constexpr int kUnknownUnit = 3;
constexpr int kDifferentCategories = 4;
constexpr int kNeedsRates = 5;

constexpr const char* kSynopsis =
    "usage: tal-convert [options] <value> <from> <to>\n"
    "       tal-convert [options] <value><from> <to>\n"
    "       tal-convert [options] \"<value> <from> [<value> <from>...] to <to>\"\n"
    "       tal-convert [options] --category <category> <value> <from> <to>\n"
    "       tal-convert [--json] --search <text>\n"
    "       tal-convert [--json] calc \"<expression>\"\n"
    "       tal-convert [--json] --list <category>\n"
    "       tal-convert [--json] --categories\n"
    "       tal-convert [options] --example-rates <amount> <from> <to>\n"
    "       tal-convert [options] --rates <file.json> <amount> <from> <to>\n"
    "       tal-convert --help | --version\n";

constexpr const char* kDetails =
    "\n"
    "Converts between units with exact 38-digit decimals. A unit is given by its\n"
    "id (length_km), its symbol (km, KM), its name in any case, plural or British\n"
    "spelling (kilometres), an ASCII spelling of its symbol (um, m^2, degC, ohm)\n"
    "or a common abbreviation (mph, nmi, hp, gal, fl oz, lbs, hr). Where a text\n"
    "means units of several categories, the other unit decides (100 F C is\n"
    "temperature); among several readings US customary comes before imperial, hp\n"
    "is the mechanical horsepower, cal, kcal and BTU the international-table ones.\n"
    "A phrase may join terms: \"5 ft 11 in to cm\"; \"to\", \"in\", \"->\", \"→\" or\n"
    "nothing stands between source and target. Values may use Arabic-Indic digits.\n"
    "calc evaluates + - * / ^ and parentheses; ^ takes whole powers, negative\n"
    "ones too, and groups to the right; -2^2 is -4.\n"
    "\n"
    "  --category <c>    look for the units only in category <c>\n"
    "  --search <text>   units whose name, symbol or alias matches <text>, best first\n"
    "  --list <c>        the units of category <c> (raw value or name, any case)\n"
    "  --categories      the categories: raw value, name, number of units\n"
    "  --example-rates   convert money with the built-in rate snapshot\n"
    "  --rates <file>    convert money with a rate snapshot in a JSON file\n"
    "  --digits <n>      show results to n significant digits, 1 to 38 (default 34)\n"
    "  --plain           never write a result in scientific notation (otherwise a\n"
    "                    result longer than 60 characters is)\n"
    "  --json            print JSON, errors included; decimals are JSON strings\n"
    "  --help, -h        print this text\n"
    "  --version         print the version\n"
    "\n"
    "examples: tal-convert 1.5 km mi\n"
    "          tal-convert \"1.5 km to mi\"\n"
    "          tal-convert 100 F C\n"
    "          tal-convert --category mass 1 kg lb\n"
    "          tal-convert --search mile\n"
    "          tal-convert calc \"1 / 3\"\n"
    "          tal-convert --json --example-rates 100 USD EUR\n"
    "\n"
    "exit status: 0 success; 1 a number, category, expression or rate file that\n"
    "cannot be used, or a result that is not a number (NaN); 2 usage error;\n"
    "3 a word that is not a unit; 4 units of different categories; 5 currency\n"
    "without exchange rates (use --example-rates or --rates).\n";

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

/// How results are shown.
struct Display {
  bool json = false;
  bool plain = false;
  int digits = 34;
};

/// A failure as a line on stderr, or under --json as a JSON object on stdout.
int fail(int status, std::string_view kind, std::string_view message, const Display& display,
         std::string_view word = {}, const std::vector<tal::TalUnit>& suggestions = {}) {
  if (!display.json) {
    std::fprintf(stderr, "tal-convert: %.*s\n", static_cast<int>(message.size()), message.data());
    return status;
  }
  JsonOut out;
  out.beginObject().key("error").beginObject().key("kind").string(kind).key("message").string(message);
  if (!word.empty()) out.key("word").string(word);
  if (!suggestions.empty()) {
    out.key("suggestions").beginArray();
    for (const auto& u : suggestions) out.unit(u).endObject();
    out.endArray();
  }
  out.endObject().key("exitStatus").count(static_cast<std::size_t>(status)).endObject();
  out.print();
  return status;
}

std::optional<tal::TalUnitCategory> categoryNamed(std::string_view text) { return tal::UnitResolver::findCategory(text); }

int unknownCategory(std::string_view text, const Display& display) {
  return fail(kFailure, "unknownCategory", "no category \"" + std::string(text) + "\" (see --categories)", display,
              text);
}

int list(std::string_view raw, const Display& display) {
  const auto category = categoryNamed(raw);
  if (!category) return unknownCategory(raw, display);
  if (display.json) {
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

int search(std::string_view text, const Display& display) {
  const auto found = tal::UnitResolver::search(text, 20);
  if (display.json) {
    JsonOut out;
    out.beginObject().key("search").string(text).key("units").beginArray();
    for (const auto& u : found) out.unit(u).key("category").string(u.category().rawValue()).endObject();
    out.endArray().endObject();
    if (!out.print()) return kFailure;
  } else {
    for (const auto& u : found)
      std::printf("%s\t%s\t%s\n", u.id().c_str(), u.symbol().c_str(), u.name().c_str());
  }
  if (found.empty() && !display.json)
    std::fprintf(stderr, "tal-convert: no unit matches \"%.*s\"\n", static_cast<int>(text.size()), text.data());
  return found.empty() ? kUnknownUnit : kSuccess;
}

int categories(const Display& display) {
  if (display.json) {
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

/// The value to `digits` significant digits, half to even.
Decimal toSignificantDigits(const Decimal& value, int digits) {
  if (value.isNaN() || value.isZero()) return value;
  const std::string scientific = value.toScientificString();
  const auto exponent = std::strtoll(scientific.c_str() + scientific.find('E') + 1, nullptr, 10);
  return value.rounded(digits - 1 - exponent, Decimal::Rounding::halfEven);
}

/// Plain text, or scientific notation once plain text passes 60 characters.
std::string shown(const Decimal& value, const Display& display) {
  std::string text = value.description();
  if (!display.plain && text.size() > 60) text = value.toScientificString();
  return text;
}

int convert(const tal::ConversionPhraseResult& read, const Display& display) {
  if (const auto* error = std::get_if<tal::UnitTextError>(&read)) {
    using Kind = tal::UnitTextError::Kind;
    switch (error->kind) {
      case Kind::notANumber: return fail(kFailure, "notANumber", error->message, display, error->word);
      case Kind::unknownUnit:
        return fail(kUnknownUnit, "unknownUnit", error->message, display, error->word, error->suggestions);
      case Kind::differentCategories:
        return fail(kDifferentCategories, "differentCategories", error->message, display, error->word);
      case Kind::needsRates:
        return fail(kNeedsRates, "needsRates", error->message + " (use --example-rates or --rates <file>)", display,
                    error->word);
    }
  }
  const auto& phrase = std::get<tal::ConversionPhrase>(read);
  const auto exact = phrase.convert();
  if (!exact) {
    return fail(kDifferentCategories, "differentCategories",
                "no conversion from " + phrase.terms.front().unit.id() + " to " + phrase.target.id(), display);
  }
  const Decimal result = toSignificantDigits(*exact, display.digits);
  if (display.json) {
    JsonOut out;
    out.beginObject().key("category").string(phrase.target.category().rawValue());
    out.key("value").string(shown(phrase.terms.front().value, display));
    out.key("from").unit(phrase.terms.front().unit).endObject();
    if (phrase.terms.size() > 1) {
      out.key("terms").beginArray();
      for (const auto& term : phrase.terms)
        out.beginObject().key("value").string(shown(term.value, display)).key("unit").unit(term.unit).endObject()
            .endObject();
      out.endArray();
    }
    out.key("to").unit(phrase.target).endObject();
    out.key("result").string(shown(*exact, display)).key("rounded").string(shown(result, display)).endObject();
    if (!out.print()) return kFailure;
  } else {
    std::string source;
    for (const auto& term : phrase.terms) {
      if (!source.empty()) source += ' ';
      source += shown(term.value, display);
      source += ' ';
      source += term.unit.symbol();
    }
    std::printf("%s = %s %s\n", source.c_str(), shown(result, display).c_str(), phrase.target.symbol().c_str());
  }
  if (exact->isNaN()) {
    if (!display.json) std::fputs("tal-convert: the result is not a number\n", stderr);
    return kFailure;
  }
  return kSuccess;
}

/// Three words are a value, a source and a target; anything else is one phrase.
int convertWords(const std::vector<std::string_view>& words, const Display& display,
                 std::optional<tal::TalUnitCategory> only = std::nullopt) {
  if (words.size() == 3) return convert(tal::UnitResolver::readConversion(words[0], words[1], words[2], only), display);
  std::string phrase;
  for (const auto word : words) {
    if (!phrase.empty()) phrase += ' ';
    phrase += word;
  }
  return convert(tal::UnitResolver::readPhrase(phrase, only), display);
}

int calculate(std::string_view expression, const Display& display) {
  const auto value = Calculator(expression).evaluate();
  if (!value) {
    return fail(kFailure, "expression", "cannot read the expression \"" + std::string(expression) + "\"", display,
                expression);
  }
  if (display.json) {
    JsonOut out;
    out.beginObject().key("expression").string(expression).key("result").string(shown(*value, display)).endObject();
    if (!out.print()) return kFailure;
  } else {
    std::printf("%s\n", shown(*value, display).c_str());
  }
  return value->isNaN() ? kFailure : kSuccess;
}

/// Loads a rate snapshot through the manager, then converts between two of its currencies.
int convertCurrency(std::shared_ptr<tal::IExchangeRateService> source, const std::vector<std::string_view>& words,
                    const Display& display) {
  auto& manager = tal::TalExchangeRateManager::shared();
  manager.configure(std::move(source));
  if (const std::optional<tal::Error> error = manager.updateRates().get())
    return fail(kFailure, "rates", error->localizedDescription, display);
  return convertWords(words, display, tal::TalUnitCategory::currency);
}

/// Removes `flag` wherever it stands; whether it was there.
bool takeFlag(std::vector<std::string_view>& args, std::string_view flag) {
  return std::erase(args, flag) > 0;
}

int run(std::vector<std::string_view> args) {
  // Options that no value or unit is spelt like may stand anywhere.
  Display display;
  display.json = takeFlag(args, "--json");
  display.plain = takeFlag(args, "--plain");
  if (const auto at = std::find(args.begin(), args.end(), std::string_view("--digits")); at != args.end()) {
    if (at + 1 == args.end()) return usage();
    const std::string count(*(at + 1));
    char* end = nullptr;
    const long digits = std::strtol(count.c_str(), &end, 10);
    if (count.empty() || *end != '\0' || digits < 1 || digits > Decimal::kMaxDigits) return usage();
    display.digits = static_cast<int>(digits);
    args.erase(at, at + 2);
  }
  const std::size_t n = args.size();
  if (n == 0) return usage();
  const std::string_view command = args[0];
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h") {
    std::fputs(kSynopsis, stdout);
    std::fputs(kDetails, stdout);
    return kSuccess;
  }
  if (command == "--version" && n == 1) {
    std::printf("tal-convert %s\n", tal::kVersionText);
    return kSuccess;
  }
  if (command == "--example-rates" && n >= 2)
    return convertCurrency(std::make_shared<tal::ExampleExchangeRateService>(), rest, display);
  if (command == "--rates" && n >= 3)
    return convertCurrency(std::make_shared<tal::JsonFileExchangeRateService>(std::string(args[1])),
                           std::vector<std::string_view>(args.begin() + 2, args.end()), display);
  if (command == "--categories" && n == 1) return categories(display);
  if (command == "--list" && n == 2) return list(args[1], display);
  if (command == "--search" && n == 2) return search(args[1], display);
  if (command == "--category" && n >= 3) {
    const auto category = categoryNamed(args[1]);
    if (!category) return unknownCategory(args[1], display);
    return convertWords(std::vector<std::string_view>(args.begin() + 2, args.end()), display, category);
  }
  if (command == "calc" && n == 2) return calculate(args[1], display);
  // Anything else spelt as an option is one unknown or given the wrong arguments.
  if (command.starts_with("--")) return usage();
  return convertWords(args, display);
}

}  // namespace

int main(int argc, char** argv) { return run(std::vector<std::string_view>(argv + 1, argv + argc)); }
