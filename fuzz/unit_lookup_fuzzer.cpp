// tal-convert's unit lookup and the conversion it leads to; see checkUnitLookup.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTarget.h"
#include "fuzz/Invariants.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tal::fuzz::installExampleRates();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tal::fuzz::run(tal::fuzz::checkUnitLookup, data, size);
}
