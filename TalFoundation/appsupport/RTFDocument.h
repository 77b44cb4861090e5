// RTFDocument: writes an attributed text as a minimal RTF 1 document that
// word processors and the system pasteboard read: a font table, a colour
// table, one group per run, 7-bit ASCII throughout with every non-ASCII
// character written as \uN? (UTF-16, signed).
#pragma once

#include <optional>
#include <string>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Color.h"

namespace tal {

class AttributedText;

/// Writes styled text as a minimal 7-bit RTF document; absent for text that is not valid UTF-8.
struct TAL_EXPORT RTFDocument {
  RTFDocument() = delete;

  /// The RTF bytes of `text`, named colours taken in `appearance`. Absent
  /// when a run or font name is not valid UTF-8 (or longer than 2 GiB).
  [[nodiscard]] static std::optional<std::string> fromAttributedText(
      const AttributedText& text, platform::Color::Appearance appearance = platform::Color::Appearance::light);
};

}  // namespace tal
