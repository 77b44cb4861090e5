#include "TalFoundation/appsupport/TalPasteboardUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/appsupport/AttributedText.h"
#include "TalFoundation/appsupport/RTFDocument.h"
#include "TalFoundation/platform/Pasteboard.h"

namespace tal {
namespace {

using platform::Pasteboard;

class PasteboardUtils : public testing::Test {
 protected:
  void SetUp() override { Pasteboard::setGeneral(board_); }
  void TearDown() override { Pasteboard::setGeneral(nullptr); }
  std::shared_ptr<platform::InMemoryPasteboard> board_ = std::make_shared<platform::InMemoryPasteboard>();
};

class PlainTextRoundTrip : public PasteboardUtils, public testing::WithParamInterface<std::string_view> {};

TEST_P(PlainTextRoundTrip, CopyThenGetGivesTheSameText) {
  EXPECT_TRUE(TalPasteboardUtils::copyPlainTextToPasteboard(std::string(GetParam())));
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), std::string(GetParam()));
  EXPECT_EQ(board_->data(Pasteboard::kPlainTextType), std::string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainTextRoundTrip,
                         testing::Values("", "1,500.25", "中文 ١٢٣ 😀", "line\nbreak",
                                         std::string_view("NUL\0inside", 10)));

// Plain and rich text follow one rule: what is not UTF-8 is refused, and
// the pasteboard keeps what it held.
class PasteboardRefuses : public PasteboardUtils, public testing::WithParamInterface<std::string_view> {};

TEST_P(PasteboardRefuses, TextThatIsNotUTF8EitherWay) {
  ASSERT_TRUE(TalPasteboardUtils::copyPlainTextToPasteboard("kept"));
  EXPECT_FALSE(TalPasteboardUtils::copyPlainTextToPasteboard(std::string(GetParam())));
  EXPECT_FALSE(TalPasteboardUtils::copyRichTextToPasteboard(AttributedText(std::string(GetParam()))));
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), "kept");
  EXPECT_EQ(board_->items().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteboardRefuses,
                         testing::Values("\xFF not UTF-8", "\xC3(", "\xC0\xB1", "\xED\xA0\x80", "tail \xE4\xB8"));

TEST_F(PasteboardUtils, NothingToGetFromAnEmptyPasteboard) {
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), std::nullopt);
}

TEST_F(PasteboardUtils, PlainTextReplacesWhatWasThere) {
  board_->setItems({{{"public.rtf", "{\\rtf1 old}"}}, {{"public.png", "png"}}});
  TalPasteboardUtils::copyPlainTextToPasteboard("new");
  ASSERT_EQ(board_->items().size(), 1U);
  EXPECT_EQ(board_->data("public.rtf"), std::nullopt);
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), "new");
}

TEST_F(PasteboardUtils, RichTextGoesUnderPublicRtfAndReplacesTheText) {
  TalPasteboardUtils::copyPlainTextToPasteboard("old");
  AttributedText text("1500 m", TextAttributes{.bold = true});
  ASSERT_TRUE(TalPasteboardUtils::copyRichTextToPasteboard(text));
  ASSERT_EQ(board_->items().size(), 1U);
  EXPECT_EQ(board_->data("public.rtf"), RTFDocument::fromAttributedText(text));
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), std::nullopt);
  const std::string rtf = board_->data("public.rtf").value_or("");
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0U);
  EXPECT_NE(rtf.find("1500 m"), std::string::npos);
}

TEST_F(PasteboardUtils, RichTextThatCannotBeWrittenLeavesThePasteboardUntouched) {
  TalPasteboardUtils::copyPlainTextToPasteboard("kept");
  AttributedText bad("ok ");
  bad.append("\xC3(", TextAttributes{.italic = true});  // a broken two-byte sequence
  EXPECT_FALSE(TalPasteboardUtils::copyRichTextToPasteboard(bad));
  EXPECT_EQ(TalPasteboardUtils::getPlainTextFromPasteboard(), "kept");
  EXPECT_EQ(board_->items().size(), 1U);
}

TEST_F(PasteboardUtils, EmptyRichTextIsStillADocument) {
  EXPECT_TRUE(TalPasteboardUtils::copyRichTextToPasteboard(AttributedText()));
  EXPECT_TRUE(board_->data("public.rtf").has_value());
}

}  // namespace
}  // namespace tal
