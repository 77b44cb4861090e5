#include "TalFoundation/appsupport/TalPasteboardUtils.h"

#include <utility>

#include "TalFoundation/appsupport/RTFDocument.h"
#include "TalFoundation/numbertext/detail/IcuText.h"
#include "TalFoundation/platform/Pasteboard.h"

namespace tal {

bool TalPasteboardUtils::copyPlainTextToPasteboard(std::string text) {
  if (!numbertext_detail::isWellFormedUtf8(text)) return false;
  platform::Pasteboard::general()->setString(std::move(text));
  return true;
}

bool TalPasteboardUtils::copyRichTextToPasteboard(const AttributedText& text) {
  std::optional<std::string> rtf = RTFDocument::fromAttributedText(text);
  if (!rtf) return false;
  platform::Pasteboard::general()->setData(std::move(*rtf), platform::Pasteboard::kRTFType);
  return true;
}

std::optional<std::string> TalPasteboardUtils::getPlainTextFromPasteboard() {
  return platform::Pasteboard::general()->string();
}

}  // namespace tal
