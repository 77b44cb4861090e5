// Digit conversion between a locale's digits and Western digits, and the
// parses built on it; see checkArabicText.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTarget.h"
#include "fuzz/Invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tal::fuzz::run(tal::fuzz::checkArabicText, data, size);
}
