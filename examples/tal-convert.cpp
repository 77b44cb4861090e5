// tal-convert: a small command line over TalFoundation.
//
//   tal-convert calc "1 / 3"          exact decimal arithmetic: + - * / ^ ( )
//   tal-convert 1.5 km mi             convert between units (symbols, ids or names)
//   tal-convert --category mass 1 kg lb   only within one category
//   tal-convert --list length         the units of a category
//   tal-convert --categories          the categories
//   tal-convert --example-rates 100 USD EUR      money, with the built-in snapshot
//   tal-convert --rates rates.json 100 USD EUR   money, with a snapshot file
//
// Every number is a 38-digit decimal; nothing goes through binary floating point.
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "TalFoundation/TalFoundation.h"

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

int usage() {
  std::fputs(
      "usage: tal-convert calc \"<expression>\"     e.g. tal-convert calc \"1 / 3\"\n"
      "       tal-convert <value> <from> <to>      e.g. tal-convert 1.5 km mi, tal-convert 100 °F °C\n"
      "       tal-convert --category <category> <value> <from> <to>   e.g. --category mass 1 kg lb\n"
      "       tal-convert --list <category>        e.g. tal-convert --list length\n"
      "       tal-convert --categories\n"
      "       tal-convert --example-rates <amount> <from> <to>   e.g. --example-rates 100 USD EUR\n"
      "       tal-convert --rates <file.json> <amount> <from> <to>\n",
      stderr);
  return 2;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

/// A unit given by its id ("length_km"), its symbol, or its name in any case.
std::optional<tal::TalUnit> findUnit(std::string_view text, const std::vector<tal::TalUnit>& units) {
  for (const auto& u : units)
    if (u.id() == text || u.symbol() == text) return u;
  for (const auto& u : units)
    if (equalsIgnoringCase(u.name(), text)) return u;
  return std::nullopt;
}

int list(std::string_view raw) {
  const auto category = tal::TalUnitCategory::fromRawValue(raw);
  if (!category) {
    std::fprintf(stderr, "tal-convert: no category \"%.*s\" (see --categories)\n", static_cast<int>(raw.size()),
                 raw.data());
    return 1;
  }
  for (const auto& u : category->getUnits())
    std::printf("%-28s %-14s %s%s\n", u.id().c_str(), u.symbol().c_str(), u.name().c_str(),
                u.isBaseUnit() ? "  (base)" : "");
  return 0;
}

int categories() {
  for (const auto& c : tal::TalUnitCategory::allCases())
    std::printf("%-26.*s %.*s (%zu units)\n", static_cast<int>(c.rawValue().size()), c.rawValue().data(),
                static_cast<int>(c.displayName().size()), c.displayName().data(), c.getUnits().size());
  return 0;
}

int convert(std::string_view valueText, std::string_view fromText, std::string_view toText,
            std::optional<tal::TalUnitCategory> only = std::nullopt) {
  std::size_t consumed = 0;
  const auto value = Decimal::fromString(valueText, consumed);
  if (!value || consumed != valueText.size()) {
    std::fprintf(stderr, "tal-convert: \"%.*s\" is not a number\n", static_cast<int>(valueText.size()),
                 valueText.data());
    return 1;
  }
  // The first category, in category order, that knows both units.
  for (const auto& category : tal::TalUnitCategory::allCases()) {
    if (only && category != *only) continue;
    const auto units = category.getUnits();
    const auto from = findUnit(fromText, units);
    const auto to = findUnit(toText, units);
    if (!from || !to) continue;
    const auto result = tal::TalMeasurement::convert(*value, *from, *to);
    if (!result) break;
    std::printf("%s %s = %s %s\n", value->description().c_str(), from->symbol().c_str(),
                result->description().c_str(), to->symbol().c_str());
    return 0;
  }
  std::fprintf(stderr, "tal-convert: no category has both \"%.*s\" and \"%.*s\" (see --list <category>)\n",
               static_cast<int>(fromText.size()), fromText.data(), static_cast<int>(toText.size()), toText.data());
  return 1;
}

}  // namespace

/// Loads a rate snapshot through the manager, then converts between two of its currencies.
int convertCurrency(std::shared_ptr<tal::IExchangeRateService> source, std::string_view amount,
                    std::string_view from, std::string_view to) {
  auto& manager = tal::TalExchangeRateManager::shared();
  manager.configure(std::move(source));
  if (const std::optional<tal::Error> error = manager.updateRates().get()) {
    std::fprintf(stderr, "tal-convert: %s\n", error->localizedDescription.c_str());
    return 1;
  }
  return convert(amount, from, to);
}

int main(int argc, char** argv) {
  if (argc == 5 && std::string_view(argv[1]) == "--example-rates")
    return convertCurrency(std::make_shared<tal::ExampleExchangeRateService>(), argv[2], argv[3], argv[4]);
  if (argc == 6 && std::string_view(argv[1]) == "--rates")
    return convertCurrency(std::make_shared<tal::JsonFileExchangeRateService>(argv[2]), argv[3], argv[4], argv[5]);
  if (argc == 2 && std::string_view(argv[1]) == "--categories") return categories();
  if (argc == 3 && std::string_view(argv[1]) == "--list") return list(argv[2]);
  if (argc == 4) return convert(argv[1], argv[2], argv[3]);
  if (argc == 6 && std::string_view(argv[1]) == "--category") {
    const auto category = tal::TalUnitCategory::fromRawValue(argv[2]);
    if (!category) return list(argv[2]);  // names the unknown category
    return convert(argv[3], argv[4], argv[5], category);
  }
  if (argc != 3) return usage();
  const std::string_view command = argv[1];
  if (command == "calc") {
    const auto value = Calculator(argv[2]).evaluate();
    if (!value) {
      std::fprintf(stderr, "tal-convert: cannot read the expression \"%s\"\n", argv[2]);
      return 1;
    }
    std::printf("%s\n", value->description().c_str());
    return 0;
  }
  return usage();
}
