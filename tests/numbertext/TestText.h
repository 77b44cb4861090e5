// Small text helpers for the number-text tests, written independently of the
// code under test.
#pragma once

#include <string>

namespace tal::testing_support {

/// UTF-8 of one code point (no validation: tests pass valid scalars).
inline std::string utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

/// The digits of `western` (0-9 only, other bytes copied) written from `zero`.
inline std::string digitsFrom(char32_t zero, const std::string& western) {
  std::string out;
  for (char ch : western) {
    if (ch >= '0' && ch <= '9') {
      out += utf8(zero + static_cast<char32_t>(ch - '0'));
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace tal::testing_support
