#include "TalFoundation/appsupport/SequenceHelpers.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "TalFoundation/appsupport/TalChineseFontPreference.h"

namespace tal {
namespace {

// A range that is not a container, walked backwards.
struct Reversed {
  const std::vector<int>& items;
  [[nodiscard]] auto begin() const { return items.rbegin(); }
  [[nodiscard]] auto end() const { return items.rend(); }
};

struct IntRow {
  std::vector<int> input;
  std::vector<int> expected;
};

class UniqueInts : public testing::TestWithParam<IntRow> {};

TEST_P(UniqueInts, KeepsTheFirstOfEachInOrder) { EXPECT_EQ(tal::unique(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Sequences, UniqueInts,
                         testing::Values(IntRow{{3, 1, 3, 2, 1}, {3, 1, 2}}, IntRow{{}, {}}, IntRow{{7}, {7}},
                                         IntRow{{1, 1, 1}, {1}}, IntRow{{1, 2, 3}, {1, 2, 3}},
                                         IntRow{{2, 1, 2, 1, 2}, {2, 1}}, IntRow{{-1, 0, -1, 0}, {-1, 0}}));

TEST(Unique, WorksOnAnyHashableSequence) {
  const std::list<std::string> words{"km", "m", "km", "", "m", ""};
  EXPECT_EQ(tal::unique(words), (std::vector<std::string>{"km", "m", ""}));
  const TalChineseFontPreference prefs[] = {TalChineseFontPreference::HK, TalChineseFontPreference::Hans,
                                            TalChineseFontPreference::HK};
  EXPECT_EQ(tal::unique(prefs),
            (std::vector<TalChineseFontPreference>{TalChineseFontPreference::HK, TalChineseFontPreference::Hans}));
  const std::vector<int> forward{5, 5, 6};
  EXPECT_EQ(tal::unique(Reversed{forward}), (std::vector<int>{6, 5}));
}

}  // namespace
}  // namespace tal
