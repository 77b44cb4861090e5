// Small text operations the app uses around expressions: word tokens, code
// point labels, literal replacement, emptiness tests, substrings counted in
// user-perceived characters, and searches that report UTF-16 ranges like the
// platform's NSRange. Neighbours: ExpressionText.h, Locale.h.
//
// Text is UTF-8. Ill-formed UTF-8 is read with each bad sequence as one
// U+FFFD (one character, one UTF-16 unit); results and ranges describe that
// repaired text. Offsets and lengths of ranges are UTF-16 code units.
// Bytes past the first 2^31 - 1 of a text are not read (ICU lengths are
// 32-bit).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/numbertext/Locale.h"

namespace tal {

/// A range of UTF-16 code units, as NSRange: start and length.
struct TAL_EXPORT TextRange {
  std::size_t location = 0;
  std::size_t length = 0;

  [[nodiscard]] constexpr std::size_t end() const noexcept { return location + length; }
  friend constexpr bool operator==(const TextRange&, const TextRange&) noexcept = default;
};

/// How a search compares, as a set of flags (combine with |).
enum class SearchOptions : std::uint8_t {
  none = 0,
  caseInsensitive = 1 << 0,       ///< full Unicode case folding ("Straße" finds "STRASSE")
  literal = 1 << 1,               ///< UTF-16 units as they are; otherwise canonically equivalent forms match
  backwards = 1 << 2,             ///< the last occurrence instead of the first
  anchored = 1 << 3,              ///< only at the start (at the end with backwards)
  diacriticInsensitive = 1 << 4,  ///< accents and other non-spacing marks are ignored
  widthInsensitive = 1 << 5,      ///< full-width and half-width forms match their usual forms
  regularExpression = 1 << 6,     ///< the target is an ICU regular expression
};
/// The union of two option sets.
[[nodiscard]] constexpr SearchOptions operator|(SearchOptions a, SearchOptions b) noexcept {
  return static_cast<SearchOptions>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
/// Whether `set` holds any option of `flag`.
[[nodiscard]] constexpr bool contains(SearchOptions set, SearchOptions flag) noexcept {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

/// The words of the text in order, found with ICU's word breaks for the
/// current locale (dictionary-based for Chinese, Japanese, Thai, …); spaces
/// and punctuation are not words. Empty when there is none.
[[nodiscard]] TAL_EXPORT std::vector<std::string> tokenize(std::string_view text);
/// As above with the word breaks of `locale`.
[[nodiscard]] TAL_EXPORT std::vector<std::string> tokenize(std::string_view text, const Locale& locale);

/// "U+" and the upper-case hexadecimal value of each code point, without
/// leading zeros: "A€" gives U+41, U+20AC.
[[nodiscard]] TAL_EXPORT std::vector<std::string> getUnicodeCodePoints(std::string_view text);

/// Every occurrence of `target`, compared byte for byte, replaced by
/// `replacement`, left to right without overlaps. An empty target changes
/// nothing.
[[nodiscard]] TAL_EXPORT std::string replace(std::string_view text, std::string_view target, std::string_view replacement);
/// Every "{0}" replaced by `with`.
[[nodiscard]] TAL_EXPORT std::string replaceSome(std::string_view text, std::string_view with);

/// The text has at least one character (any byte counts).
[[nodiscard]] TAL_EXPORT bool isNotEmpty(std::string_view text) noexcept;
/// Empty, or only spaces and tabs (Unicode space separators and U+0009);
/// a line break is not white space here.
[[nodiscard]] TAL_EXPORT bool isEmptyOrWhiteSpace(std::string_view text);

/// The number of user-perceived characters (grapheme clusters).
[[nodiscard]] TAL_EXPORT std::size_t characterCount(std::string_view text);
/// The characters from `fromOffset` through `to`, both included, counted in
/// user-perceived characters; from = to + 1 gives "". Absent unless
/// 0 <= from <= to + 1 <= characterCount(text).
[[nodiscard]] TAL_EXPORT std::optional<std::string> substring(std::string_view text, std::int64_t fromOffset, std::int64_t to);

/// The whole text: location 0, length in UTF-16 units (an emoji outside the
/// BMP counts 2).
[[nodiscard]] TAL_EXPORT TextRange textRange(std::string_view text);

/// All non-overlapping occurrences, each search starting where the last
/// match ended (one character further after an empty regular-expression
/// match). `locale` tailors case folding (Turkish and Azeri dotted and
/// dotless i). An empty target, or an invalid regular expression, finds
/// nothing. Outside literal mode a match never splits a user-perceived
/// character.
[[nodiscard]] TAL_EXPORT std::vector<TextRange> ranges(std::string_view text, std::string_view target,
                                            SearchOptions options = SearchOptions::none,
                                            const std::optional<Locale>& locale = std::nullopt);
/// UTF-16 offset of the start of the first occurrence; absent when none.
[[nodiscard]] TAL_EXPORT std::optional<std::size_t> talindex(std::string_view text, std::string_view target,
                                                  SearchOptions options = SearchOptions::none);
/// UTF-16 offset of the end of the first occurrence; absent when none.
[[nodiscard]] TAL_EXPORT std::optional<std::size_t> talendIndex(std::string_view text, std::string_view target,
                                                     SearchOptions options = SearchOptions::none);
/// All occurrences left to right: after a match the search goes on from its
/// end, after an empty one from the next character. "aa" in "aaaa" gives
/// {0, 2} and {2, 2}.
[[nodiscard]] TAL_EXPORT std::vector<TextRange> talranges(std::string_view text, std::string_view target,
                                               SearchOptions options = SearchOptions::none);
/// The locations of talranges().
[[nodiscard]] TAL_EXPORT std::vector<std::size_t> talindices(std::string_view text, std::string_view target,
                                                  SearchOptions options = SearchOptions::none);

}  // namespace tal
