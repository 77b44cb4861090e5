// The one way a fuzz target reports a broken invariant: print it and abort,
// which libFuzzer records as a crash together with the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tal::fuzz {

template <class Check>
int run(Check check, const std::uint8_t* data, std::size_t size) {
  const std::string failure = check(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}

}  // namespace tal::fuzz
