// Switches the current locale for one test and puts the previous one back.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "TalFoundation/numbertext/Locale.h"

namespace tal::testing_support {

class CurrentLocaleGuard {
 public:
  explicit CurrentLocaleGuard(std::string_view identifier) : saved_(Locale::current()) {
    EXPECT_TRUE(Locale::setCurrent(Locale(identifier))) << identifier;
  }
  ~CurrentLocaleGuard() { Locale::setCurrent(saved_); }
  CurrentLocaleGuard(const CurrentLocaleGuard&) = delete;
  CurrentLocaleGuard& operator=(const CurrentLocaleGuard&) = delete;

 private:
  Locale saved_;
};

}  // namespace tal::testing_support
