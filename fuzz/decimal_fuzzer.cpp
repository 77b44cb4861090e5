// Decimal::fromString and arithmetic on what it reads; see checkDecimalText.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTarget.h"
#include "fuzz/Invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tal::fuzz::run(tal::fuzz::checkDecimalText, data, size);
}
