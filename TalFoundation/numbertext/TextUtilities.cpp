#include "TalFoundation/numbertext/TextUtilities.h"

#include <unicode/normalizer2.h>
#include <unicode/regex.h>
#include <unicode/ubrk.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "TalFoundation/numbertext/detail/IcuText.h"

namespace tal {
namespace {

namespace nd = numbertext_detail;

bool isSpaceOrTab(UChar32 c) { return c == 0x09 || u_charType(c) == U_SPACE_SEPARATOR; }

// A search over one text: the target is compared with a folded copy of the
// text in which every segment (a code point in literal mode, a
// user-perceived character otherwise) is folded on its own, so a match can
// be mapped back and must begin and end on segment boundaries.
class Searcher {
 public:
  Searcher(const icu::UnicodeString& text, std::string_view target, SearchOptions options,
           const std::optional<Locale>& locale)
      : text_(text), options_(options) {
    if (has(SearchOptions::regularExpression)) {
      prepareRegex(target);
      return;
    }
    if (const auto language = locale ? locale->talLanguageCode() : std::nullopt) {
      turkic_ = *language == "tr" || *language == "az";
    }
    needle_ = fold(nd::toUnicode(target));
    identity_ = has(SearchOptions::literal) && !has(SearchOptions::caseInsensitive) &&
                !has(SearchOptions::diacriticInsensitive) && !has(SearchOptions::widthInsensitive);
    if (identity_) {
      folded_ = text_;
    } else {
      prepareFolded();
    }
  }

  /// The first match (the last one with backwards) that starts at or after
  /// `from`, in UTF-16 units of the text.
  std::optional<TextRange> find(std::int32_t from) {
    if (has(SearchOptions::regularExpression)) return matcher_ ? findRegex(from) : std::nullopt;
    if (needle_.isEmpty()) return std::nullopt;
    const std::u16string_view hay(folded_.getBuffer(), static_cast<std::size_t>(folded_.length()));
    const std::u16string_view needle(needle_.getBuffer(), static_cast<std::size_t>(needle_.length()));
    const std::size_t begin = foldedOffsetAtOrAfter(from);
    if (begin > hay.size() || hay.size() - begin < needle.size()) return std::nullopt;
    const std::size_t lastStart = hay.size() - needle.size();
    const bool anchored = has(SearchOptions::anchored);
    if (!has(SearchOptions::backwards)) {
      for (std::size_t at = hay.find(needle, begin); at != std::u16string_view::npos; at = hay.find(needle, at + 1)) {
        if (anchored && at != begin) return std::nullopt;
        if (auto range = mapped(at, needle.size())) return range;
        if (anchored) return std::nullopt;
      }
      return std::nullopt;
    }
    for (std::size_t at = hay.rfind(needle, lastStart); at != std::u16string_view::npos && at >= begin;
         at = at == 0 ? std::u16string_view::npos : hay.rfind(needle, at - 1)) {
      if (anchored && at != lastStart) return std::nullopt;
      if (auto range = mapped(at, needle.size())) return range;
      if (anchored) return std::nullopt;
    }
    return std::nullopt;
  }

 private:
  bool has(SearchOptions flag) const { return contains(options_, flag); }

  void prepareRegex(std::string_view target) {
    UErrorCode status = U_ZERO_ERROR;
    UParseError where{};
    const std::uint32_t flags = has(SearchOptions::caseInsensitive) ? UREGEX_CASE_INSENSITIVE : 0;
    pattern_.reset(icu::RegexPattern::compile(nd::toUnicode(target), flags, where, status));
    if (U_FAILURE(status)) {
      pattern_.reset();
      return;
    }
    matcher_.reset(pattern_->matcher(text_, status));
    if (U_FAILURE(status)) matcher_.reset();
  }

  std::optional<TextRange> findRegex(std::int32_t from) {
    UErrorCode status = U_ZERO_ERROR;
    matcher_->region(from, text_.length(), status);
    if (U_FAILURE(status)) return std::nullopt;
    const bool found = has(SearchOptions::anchored) ? matcher_->lookingAt(status) != 0 : matcher_->find(status) != 0;
    if (U_FAILURE(status) || !found) return std::nullopt;
    const std::int32_t start = matcher_->start(status);
    const std::int32_t end = matcher_->end(status);
    if (U_FAILURE(status)) return std::nullopt;
    return TextRange{static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)};
  }

  icu::UnicodeString fold(const icu::UnicodeString& piece) const {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status)) return piece;
    icu::UnicodeString out;
    if (has(SearchOptions::widthInsensitive)) {
      for (std::int32_t i = 0; i < piece.length();) {
        const UChar32 c = piece.char32At(i);
        i += U16_LENGTH(c);
        const auto kind = static_cast<UDecompositionType>(u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE));
        if (kind == U_DT_WIDE || kind == U_DT_NARROW) {
          out.append(nfkc->normalize(icu::UnicodeString(c), status));
        } else {
          out.append(c);
        }
      }
    } else {
      out = piece;
    }
    // Composed first, so that case folding sees İ and not I + dot (the
    // Turkish folding maps the two differently), then decomposed for the
    // comparison.
    if (!has(SearchOptions::literal)) out = nfc->normalize(out, status);
    if (has(SearchOptions::caseInsensitive)) out.foldCase(turkic_ ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT);
    if (!has(SearchOptions::literal) || has(SearchOptions::diacriticInsensitive)) out = nfd->normalize(out, status);
    if (has(SearchOptions::diacriticInsensitive)) {
      icu::UnicodeString bare;
      for (std::int32_t i = 0; i < out.length();) {
        const UChar32 c = out.char32At(i);
        i += U16_LENGTH(c);
        if (u_charType(c) != U_NON_SPACING_MARK) bare.append(c);
      }
      out = bare;
    }
    if (U_FAILURE(status)) return piece;
    return out;
  }

  void prepareFolded() {
    std::vector<std::int32_t> bounds;
    if (has(SearchOptions::literal)) {
      for (std::int32_t i = 0; i <= text_.length();) {
        bounds.push_back(i);
        if (i == text_.length()) break;
        i += U16_LENGTH(text_.char32At(i));
      }
    } else {
      bounds = nd::graphemeBoundaries(text_);
    }
    for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
      segmentStart_.push_back(bounds[k]);
      foldedStart_.push_back(folded_.length());
      folded_.append(fold(text_.tempSubString(bounds[k], bounds[k + 1] - bounds[k])));
      unitSegment_.resize(static_cast<std::size_t>(folded_.length()), static_cast<std::int32_t>(k));
    }
    segmentStart_.push_back(text_.length());
    foldedStart_.push_back(folded_.length());
  }

  std::size_t foldedOffsetAtOrAfter(std::int32_t from) const {
    if (identity_) return static_cast<std::size_t>(std::max(from, 0));
    const auto it = std::lower_bound(segmentStart_.begin(), segmentStart_.end(), from);
    if (it == segmentStart_.end()) return static_cast<std::size_t>(folded_.length()) + 1;
    return static_cast<std::size_t>(foldedStart_[static_cast<std::size_t>(it - segmentStart_.begin())]);
  }

  // The match [at, at + length) of the folded text as a range of the text,
  // when it covers whole segments.
  std::optional<TextRange> mapped(std::size_t at, std::size_t length) const {
    if (identity_) return TextRange{at, length};
    const auto first = static_cast<std::size_t>(unitSegment_[at]);
    const auto last = static_cast<std::size_t>(unitSegment_[at + length - 1]);
    if (static_cast<std::size_t>(foldedStart_[first]) != at ||
        static_cast<std::size_t>(foldedStart_[last + 1]) != at + length) {
      return std::nullopt;
    }
    const auto start = static_cast<std::size_t>(segmentStart_[first]);
    return TextRange{start, static_cast<std::size_t>(segmentStart_[last + 1]) - start};
  }

  const icu::UnicodeString& text_;
  SearchOptions options_;
  bool turkic_ = false;
  bool identity_ = false;
  icu::UnicodeString needle_;
  icu::UnicodeString folded_;
  std::vector<std::int32_t> segmentStart_;  // per segment, and the text length
  std::vector<std::int32_t> foldedStart_;   // per segment, and the folded length
  std::vector<std::int32_t> unitSegment_;   // per folded unit: its segment
  std::unique_ptr<icu::RegexPattern> pattern_;
  std::unique_ptr<icu::RegexMatcher> matcher_;
};

std::vector<TextRange> allRanges(std::string_view text, std::string_view target, SearchOptions options,
                                 const std::optional<Locale>& locale) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  Searcher searcher(text16, target, options, locale);
  std::vector<TextRange> found;
  std::vector<std::int32_t> characters;  // boundaries, computed on the first empty match
  const std::int32_t length = text16.length();
  std::int32_t start = 0;
  while (start < length) {
    const std::optional<TextRange> range = searcher.find(start);
    if (!range) break;
    found.push_back(*range);
    if (range->length > 0) {
      start = static_cast<std::int32_t>(range->end());
      continue;
    }
    if (characters.empty()) characters = nd::graphemeBoundaries(text16);
    const auto next = std::upper_bound(characters.begin(), characters.end(), static_cast<std::int32_t>(range->location));
    start = next == characters.end() ? length : *next;
  }
  return found;
}

}  // namespace

std::vector<std::string> tokenize(std::string_view text) { return tokenize(text, Locale::current()); }

std::vector<std::string> tokenize(std::string_view text, const Locale& locale) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  icu::BreakIterator* words = nd::threadWordIterator(nd::toIcuWithData(locale));
  if (words == nullptr) return {};
  words->setText(text16);
  std::vector<std::string> tokens;
  std::int32_t start = words->first();
  for (std::int32_t end = words->next(); end != icu::BreakIterator::DONE; start = end, end = words->next()) {
    if (words->getRuleStatus() >= UBRK_WORD_NONE_LIMIT) tokens.push_back(nd::toUtf8(text16.tempSubString(start, end - start)));
  }
  static const icu::UnicodeString kNothing;
  words->setText(kNothing);  // drop the reference to text16
  return tokens;
}

std::vector<std::string> getUnicodeCodePoints(std::string_view text) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  std::vector<std::string> labels;
  for (std::int32_t i = 0; i < text16.length();) {
    const UChar32 c = text16.char32At(i);
    i += U16_LENGTH(c);
    char label[16];
    std::snprintf(label, sizeof label, "U+%X", static_cast<unsigned>(c));
    labels.emplace_back(label);
  }
  return labels;
}

std::string replace(std::string_view text, std::string_view target, std::string_view replacement) {
  std::string source = nd::repairedUtf8(text);
  if (target.empty()) return source;
  const std::string what = nd::repairedUtf8(target);
  const std::string with = nd::repairedUtf8(replacement);
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = source.find(what); at != std::string::npos; at = source.find(what, from)) {
    out.append(source, from, at - from).append(with);
    from = at + what.size();
  }
  out.append(source, from, std::string::npos);
  return out;
}

std::string replaceSome(std::string_view text, std::string_view with) { return replace(text, "{0}", with); }

bool isNotEmpty(std::string_view text) noexcept { return !text.empty(); }

bool isEmptyOrWhiteSpace(std::string_view text) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  for (std::int32_t i = 0; i < text16.length();) {
    const UChar32 c = text16.char32At(i);
    if (!isSpaceOrTab(c)) return false;
    i += U16_LENGTH(c);
  }
  return true;
}

std::size_t characterCount(std::string_view text) {
  return nd::graphemeBoundaries(nd::toUnicode(text)).size() - 1;
}

std::optional<std::string> substring(std::string_view text, std::int64_t fromOffset, std::int64_t to) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  const std::vector<std::int32_t> bounds = nd::graphemeBoundaries(text16);
  const auto count = static_cast<std::int64_t>(bounds.size() - 1);
  if (fromOffset < 0 || to < fromOffset - 1 || to >= count) return std::nullopt;
  const std::int32_t start = bounds[static_cast<std::size_t>(fromOffset)];
  const std::int32_t end = bounds[static_cast<std::size_t>(to + 1)];
  return nd::toUtf8(text16.tempSubString(start, end - start));
}

TextRange textRange(std::string_view text) {
  return TextRange{0, static_cast<std::size_t>(nd::toUnicode(text).length())};
}

std::vector<TextRange> ranges(std::string_view text, std::string_view target, SearchOptions options,
                              const std::optional<Locale>& locale) {
  return allRanges(text, target, options, locale);
}

std::optional<std::size_t> talindex(std::string_view text, std::string_view target, SearchOptions options) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  Searcher searcher(text16, target, options, std::nullopt);
  const auto range = searcher.find(0);
  if (!range) return std::nullopt;
  return range->location;
}

std::optional<std::size_t> talendIndex(std::string_view text, std::string_view target, SearchOptions options) {
  const icu::UnicodeString text16 = nd::toUnicode(text);
  Searcher searcher(text16, target, options, std::nullopt);
  const auto range = searcher.find(0);
  if (!range) return std::nullopt;
  return range->end();
}

std::vector<TextRange> talranges(std::string_view text, std::string_view target, SearchOptions options) {
  return allRanges(text, target, options, std::nullopt);
}

std::vector<std::size_t> talindices(std::string_view text, std::string_view target, SearchOptions options) {
  std::vector<std::size_t> starts;
  for (const TextRange& range : talranges(text, target, options)) starts.push_back(range.location);
  return starts;
}

}  // namespace tal
