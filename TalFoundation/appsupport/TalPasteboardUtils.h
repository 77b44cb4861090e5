// TalPasteboardUtils: copying plain text and styled text (as RTF under
// "public.rtf") to the general pasteboard (platform/Pasteboard.h), and
// reading its plain text back.
#pragma once

#include <optional>
#include <string>

#include "TalFoundation/Export.h"

namespace tal {

class AttributedText;

/// Copies plain or styled text (as RTF) to the general pasteboard and reads its plain text back.
struct TAL_EXPORT TalPasteboardUtils {
  TalPasteboardUtils() = delete;

  /// Replaces the general pasteboard's contents with `text` as plain text,
  /// byte for byte, and returns true; the rule of copyRichTextToPasteboard:
  /// false, leaving the pasteboard untouched, when `text` is not valid UTF-8.
  static bool copyPlainTextToPasteboard(std::string text);
  /// Replaces the contents with `text` written as an RTF document under
  /// "public.rtf" and returns true; returns false, leaving the pasteboard
  /// untouched, when the text cannot be written (not valid UTF-8).
  static bool copyRichTextToPasteboard(const AttributedText& text);
  /// The general pasteboard's plain text; absent when it holds none.
  [[nodiscard]] static std::optional<std::string> getPlainTextFromPasteboard();
};

}  // namespace tal
