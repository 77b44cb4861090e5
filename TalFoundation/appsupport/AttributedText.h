// AttributedText: styled text as runs of UTF-8 text with their attributes
// (font, size, weight, slant, lines, colour), and joining two of them into
// a new one.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Color.h"

namespace tal {

/// The styling of one run; absent members use the reader's defaults.
struct TAL_EXPORT TextAttributes {
  std::optional<std::string> fontFamily{};
  /// Points.
  std::optional<double> fontSize{};
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  std::optional<platform::Color> foregroundColor{};

  friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

/// Styled text: UTF-8 text in runs of equal attributes, which joins with other styled text into a new value.
class TAL_EXPORT AttributedText {
 public:
  /// A stretch of the text with one set of attributes.
  struct Run {
    std::string text;
    TextAttributes attributes;

    friend bool operator==(const Run&, const Run&) = default;
  };

  /// Empty.
  AttributedText() = default;
  /// One run of `text` (nothing for empty text).
  explicit AttributedText(std::string text, TextAttributes attributes = {});

  /// The whole text, all runs in order.
  [[nodiscard]] const std::string& string() const noexcept { return text_; }
  /// Non-empty runs in order; neighbours always differ in attributes.
  [[nodiscard]] std::span<const Run> runs() const noexcept { return runs_; }
  [[nodiscard]] bool empty() const noexcept { return text_.empty(); }

  /// Appends in place (the mutable text's own append).
  void append(const AttributedText& other);
  void append(std::string text, TextAttributes attributes = {});

  /// A new text holding this one followed by `other`; this one is unchanged.
  [[nodiscard]] AttributedText appendAttributedString(const AttributedText& other) const;

  /// A new text holding `left` followed by `right`; neither changes.
  friend TAL_EXPORT AttributedText operator+(const AttributedText& left, const AttributedText& right);

  /// Same runs, hence the same text.
  friend bool operator==(const AttributedText&, const AttributedText&) = default;

 private:
  std::string text_;
  std::vector<Run> runs_;
};

}  // namespace tal
