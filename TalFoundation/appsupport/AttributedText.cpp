#include "TalFoundation/appsupport/AttributedText.h"

#include <utility>

namespace tal {

AttributedText::AttributedText(std::string text, TextAttributes attributes) {
  append(std::move(text), std::move(attributes));
}

void AttributedText::append(std::string text, TextAttributes attributes) {
  if (text.empty()) return;
  text_ += text;
  // Equal neighbours merge, so equal texts have equal runs.
  if (!runs_.empty() && runs_.back().attributes == attributes) {
    runs_.back().text += text;
  } else {
    runs_.push_back(Run{std::move(text), std::move(attributes)});
  }
}

void AttributedText::append(const AttributedText& other) {
  if (&other == this) {
    const AttributedText copy = other;
    append(copy);
    return;
  }
  for (const Run& run : other.runs_) append(run.text, run.attributes);
}

AttributedText AttributedText::appendAttributedString(const AttributedText& other) const {
  AttributedText joined = *this;
  joined.append(other);
  return joined;
}

AttributedText operator+(const AttributedText& left, const AttributedText& right) {
  return left.appendAttributedString(right);
}

}  // namespace tal
