#include "TalFoundation/Version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace {

TEST(Version, NumberIsOnePointZero) { EXPECT_EQ(TalFoundationVersionNumber, 1.0); }

TEST(Version, StringIsTheWhatLineWithItsLineFeed) {
  // Two spaces before PROJECT, a line feed before the terminating NUL.
  constexpr std::string_view kExpected = "@(#)PROGRAM:TalFoundation  PROJECT:TalFoundation-1\n";
  const char* bytes = reinterpret_cast<const char*>(TalFoundationVersionString);
  ASSERT_EQ(std::strlen(bytes), kExpected.size());
  EXPECT_EQ(std::string_view(bytes, kExpected.size()), kExpected);
  EXPECT_EQ(bytes[kExpected.size() - 1], '\n');
}

TEST(Version, CMakeProjectVersionAgreesWithTheCode) {
  EXPECT_EQ(std::string_view(TAL_PROJECT_VERSION), std::string_view(tal::kVersionText));
}

}  // namespace
