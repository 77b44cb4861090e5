#include "TalFoundation/appsupport/TalPasteboardUtils.h"

#include <utility>

#include "TalFoundation/appsupport/RTFDocument.h"
#include "TalFoundation/platform/Pasteboard.h"

namespace tal {

void TalPasteboardUtils::copyPlainTextToPasteboard(std::string text) {
  platform::Pasteboard::general()->setString(std::move(text));
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
