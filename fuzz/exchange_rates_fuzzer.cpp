// ExchangeRateData JSON decoding and re-encoding; see checkExchangeRateJson.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTarget.h"
#include "fuzz/Invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tal::fuzz::run(tal::fuzz::checkExchangeRateJson, data, size);
}
