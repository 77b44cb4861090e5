#include "TalFoundation/platform/Pasteboard.h"
#include "tests/support/JoinedThreads.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tal::platform {
namespace {

// Each test works on a fresh general pasteboard and puts the process's back.
class PasteboardTest : public testing::Test {
 protected:
  void SetUp() override { Pasteboard::setGeneral(board_); }
  void TearDown() override { Pasteboard::setGeneral(nullptr); }
  std::shared_ptr<InMemoryPasteboard> board_ = std::make_shared<InMemoryPasteboard>();
};

class PlainTextRoundTrip : public PasteboardTest, public testing::WithParamInterface<std::string_view> {};

TEST_P(PlainTextRoundTrip, ReadsBackTheSameBytes) {
  Pasteboard::general()->setString(std::string(GetParam()));
  EXPECT_EQ(Pasteboard::general()->string(), std::string(GetParam()));
  EXPECT_EQ(board_->items().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainTextRoundTrip,
                         testing::Values("", "1500", "换算 1.5 km", "١٢٣٫٥", "👍🏽 family 👨‍👩‍👧",
                                         std::string_view("nul\0inside", 10)));

TEST_F(PasteboardTest, EmptyPasteboardHasNoText) {
  EXPECT_EQ(board_->string(), std::nullopt);
  EXPECT_EQ(board_->data(Pasteboard::kRTFType), std::nullopt);
}

TEST_F(PasteboardTest, SettingDataReplacesEverything) {
  board_->setItems({{{"public.png", "png"}}, {{std::string(Pasteboard::kPlainTextType), "old"}}});
  board_->setData("{\\rtf1}", Pasteboard::kRTFType);
  ASSERT_EQ(board_->items().size(), 1U);
  EXPECT_EQ(board_->data(Pasteboard::kRTFType), "{\\rtf1}");
  EXPECT_EQ(board_->data("public.png"), std::nullopt);
  EXPECT_EQ(board_->string(), std::nullopt);  // RTF alone is not plain text
}

struct StringRow {
  std::string_view name;
  std::vector<PasteboardItem> items;
  std::optional<std::string_view> text;
};
void PrintTo(const StringRow& r, std::ostream* os) { *os << r.name; }

class PasteboardString : public PasteboardTest, public testing::WithParamInterface<StringRow> {};

TEST_P(PasteboardString, IsTheFirstItemsPlainText) {
  board_->setItems(GetParam().items);
  const std::optional<std::string> got = board_->string();
  if (GetParam().text) {
    EXPECT_EQ(got, std::string(*GetParam().text));
  } else {
    EXPECT_EQ(got, std::nullopt);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Items, PasteboardString,
    testing::Values(
        StringRow{"Utf8Type", {{{"public.utf8-plain-text", "a"}}}, "a"},
        StringRow{"GenericType", {{{"public.plain-text", "b"}}}, "b"},
        StringRow{"Utf8PreferredOverGeneric", {{{"public.plain-text", "g"}, {"public.utf8-plain-text", "u"}}}, "u"},
        StringRow{"OnlyTheFirstItemCounts", {{{"public.rtf", "{}"}}, {{"public.utf8-plain-text", "late"}}},
                  std::nullopt},
        StringRow{"TypesMatchExactly", {{{"public.UTF8-plain-text", "x"}}}, std::nullopt}),
    [](const testing::TestParamInfo<StringRow>& info) { return std::string(info.param.name); });

TEST_F(PasteboardTest, DataComesFromTheFirstItemThatHasTheType) {
  board_->setItems({{{"public.png", "p1"}}, {{"public.rtf", "r2"}}, {{"public.rtf", "r3"}}});
  EXPECT_EQ(board_->data("public.rtf"), "r2");
}

TEST_F(PasteboardTest, RestoringTheDefaultBringsBackTheProcessPasteboardWithItsContents) {
  Pasteboard::setGeneral(nullptr);
  Pasteboard::general()->setString("kept");
  Pasteboard::setGeneral(board_);
  EXPECT_EQ(Pasteboard::general()->string(), std::nullopt);
  Pasteboard::setGeneral(nullptr);
  EXPECT_EQ(Pasteboard::general()->string(), "kept");
  EXPECT_NE(Pasteboard::general().get(), board_.get());
}

TEST_F(PasteboardTest, ConcurrentWritersLeaveOneWholeItem) {
  {
    tal::test_support::JoinedThreads writers;
    for (int t = 0; t < 4; ++t) {
      writers.emplace_back([t] {
        for (int i = 0; i < 200; ++i) {
          Pasteboard::general()->setString("writer" + std::to_string(t));
          (void)Pasteboard::general()->string();
        }
      });
    }
  }
  const auto text = Pasteboard::general()->string();
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->rfind("writer", 0), 0U);
  EXPECT_EQ(board_->items().size(), 1U);
}

}  // namespace
}  // namespace tal::platform
