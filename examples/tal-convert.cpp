// tal-convert: a small command line over TalFoundation.
//
//   tal-convert calc "1 / 3"          exact decimal arithmetic: + - * / ^ ( )
//
// Every number is a 38-digit decimal; nothing goes through binary floating point.
#include <cstdio>
#include <optional>
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
  std::fputs("usage: tal-convert calc \"<expression>\"   e.g. tal-convert calc \"1 / 3\"\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
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
