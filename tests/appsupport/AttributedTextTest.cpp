#include "TalFoundation/appsupport/AttributedText.h"

#include <gtest/gtest.h>

#include <string>

namespace tal {
namespace {

const TextAttributes kBold{.bold = true};

TEST(AttributedTextJoin, PlusGivesANewTextAndLeavesBothOperands) {
  const AttributedText a("a");
  const AttributedText b("b", kBold);
  const AttributedText joined = a + b;
  EXPECT_EQ(joined.string(), "ab");
  ASSERT_EQ(joined.runs().size(), 2U);
  EXPECT_EQ(joined.runs()[0], (AttributedText::Run{"a", {}}));
  EXPECT_EQ(joined.runs()[1], (AttributedText::Run{"b", kBold}));
  EXPECT_EQ(a, AttributedText("a"));
  EXPECT_EQ(b, AttributedText("b", kBold));
}

TEST(AttributedTextJoin, AppendAttributedStringLeavesTheReceiver) {
  const AttributedText receiver("1500");
  const AttributedText joined = receiver.appendAttributedString(AttributedText(" m", kBold));
  EXPECT_EQ(receiver.string(), "1500");
  EXPECT_EQ(joined.string(), "1500 m");
  EXPECT_EQ(joined, receiver + AttributedText(" m", kBold));
}

TEST(AttributedTextJoin, EqualNeighboursMergeSoEqualTextsCompareEqual) {
  const AttributedText joined = AttributedText("ab") + AttributedText("c");
  ASSERT_EQ(joined.runs().size(), 1U);
  EXPECT_EQ(joined, AttributedText("abc"));
  EXPECT_NE(AttributedText("abc"), AttributedText("abc", kBold));
}

TEST(AttributedTextJoin, EmptyPiecesAddNoRuns) {
  EXPECT_TRUE(AttributedText("").runs().empty());
  EXPECT_TRUE(AttributedText().empty());
  const AttributedText joined = AttributedText() + AttributedText("x", kBold) + AttributedText("", TextAttributes{});
  ASSERT_EQ(joined.runs().size(), 1U);
  EXPECT_EQ(joined.runs()[0].attributes, kBold);
}

TEST(AttributedTextJoin, AppendingATextToItselfDoublesIt) {
  AttributedText t("ab");
  t.append("c", kBold);
  t.append(t);
  EXPECT_EQ(t.string(), "abcabc");
  EXPECT_EQ(t.runs().size(), 4U);
  EXPECT_EQ(t + t, t.appendAttributedString(t));
}

}  // namespace
}  // namespace tal
