// Private ICU helpers shared by the number-text sources: UTF-8 <-> UTF-16
// conversion with repair of ill-formed input, the ICU form of a tal::Locale,
// per-thread break iterators and the user-perceived character checks the
// character maps rely on. Not part of the public API; includes ICU.
#pragma once

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/numbertext/Locale.h"

namespace tal::numbertext_detail {

/// UTF-16 form of UTF-8 text. Each ill-formed sequence becomes one U+FFFD;
/// bytes past 2^31 - 1 are not read (ICU lengths are 32-bit).
icu::UnicodeString toUnicode(std::string_view utf8);
/// UTF-8 form of UTF-16 text; unpaired surrogates become U+FFFD.
std::string toUtf8(const icu::UnicodeString& text);
/// The text itself when it is well-formed UTF-8, otherwise its repaired copy
/// (same rule as toUnicode).
std::string repairedUtf8(std::string_view utf8);
/// Whether the bytes are well-formed UTF-8.
bool isWellFormedUtf8(std::string_view utf8) noexcept;

icu::Locale toIcu(const Locale& locale);
/// toIcu, or the root locale when ICU has no data for the locale: ICU would
/// otherwise fall back to the process's default locale, and a malformed
/// identifier would read the host's settings.
icu::Locale toIcuWithData(const Locale& locale);

/// The offsets (UTF-16 units) of every user-perceived character boundary,
/// 0 and text.length() included. Uses a break iterator owned by the calling
/// thread, so concurrent callers never share one.
std::vector<std::int32_t> graphemeBoundaries(const icu::UnicodeString& text);

/// True when every code point of the text is a user-perceived character by
/// itself (CR LF aside): no code point can join a neighbour, so a character
/// map may work code point by code point.
bool eachCodePointStandsAlone(const icu::UnicodeString& text);

/// The text with `map` (UChar32 -> UChar32, or U_SENTINEL to keep) applied
/// to every code point that is a user-perceived character on its own; code
/// points inside a longer character stay as they are. Maps never touch CR
/// or LF.
template <class Map>
icu::UnicodeString mapSingleCharacters(const icu::UnicodeString& text, Map map) {
  const std::int32_t length = text.length();
  icu::UnicodeString out;
  // Written straight into the buffer: an image may take two units where its
  // source took one, so room for twice the length (texts past 1 GiB units
  // take the slower path below).
  if (length < std::numeric_limits<std::int32_t>::max() / 2 && eachCodePointStandsAlone(text)) {
    char16_t* written = out.getBuffer(2 * length + 1);
    if (written == nullptr) return text;
    const char16_t* units = text.getBuffer();
    std::int32_t n = 0;
    for (std::int32_t i = 0; i < length;) {
      const char16_t unit = units[i++];
      UChar32 c = unit;
      if (U16_IS_LEAD(unit) && i < length && U16_IS_TRAIL(units[i])) c = U16_GET_SUPPLEMENTARY(unit, units[i++]);
      const UChar32 image = map(c);
      U16_APPEND_UNSAFE(written, n, image != U_SENTINEL ? image : c);
    }
    out.releaseBuffer(n);
    return out;
  }
  const std::vector<std::int32_t> bounds = graphemeBoundaries(text);
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
    const UChar32 first = text.char32At(bounds[k]);
    if (bounds[k] + U16_LENGTH(first) == bounds[k + 1]) {
      const UChar32 image = map(first);
      out.append(image != U_SENTINEL ? image : first);
    } else {
      out.append(text, bounds[k], bounds[k + 1] - bounds[k]);
    }
  }
  return out;
}

/// A word break iterator for `locale`, owned by the calling thread and
/// reused while the locale stays the same. Null when ICU has none.
icu::BreakIterator* threadWordIterator(const icu::Locale& locale);

}  // namespace tal::numbertext_detail
