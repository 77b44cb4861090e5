#include "TalFoundation/numbertext/detail/IcuText.h"

#include <unicode/uchar.h>
#include <unicode/ures.h>
#include <unicode/uniset.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <limits>
#include <memory>

namespace tal::numbertext_detail {
namespace {

std::int32_t clampedLength(std::size_t size) noexcept {
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(size < kMax ? size : kMax);
}

// A character iterator per thread: ICU break iterators keep their position
// and text, so they must never be shared between threads.
icu::BreakIterator* threadCharacterIterator() {
  thread_local const std::unique_ptr<icu::BreakIterator> iterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) it.reset();
    return it;
  }();
  return iterator.get();
}

// Code points that may join a neighbour into one user-perceived character:
// everything but the Other, Control, CR and LF break classes. Frozen, so
// threads may read it at once; its span test is a table lookup per unit.
const icu::UnicodeSet& clusterGlue() {
  static const icu::UnicodeSet glue = [] {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeSet set(icu::UnicodeString(u"[^[:GCB=Other:][:GCB=Control:][:GCB=CR:][:GCB=LF:]]"), status);
    if (U_FAILURE(status)) set = icu::UnicodeSet(0, 0x10FFFF);  // then every text takes the iterator path
    set.freeze();
    return set;
  }();
  return glue;
}

}  // namespace

icu::UnicodeString toUnicode(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), clampedLength(utf8.size())));
}

std::string toUtf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

bool isWellFormedUtf8(std::string_view utf8) noexcept {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const std::int32_t length = clampedLength(utf8.size());
  if (static_cast<std::size_t>(length) != utf8.size()) return false;
  std::int32_t i = 0;
  while (i < length) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string repairedUtf8(std::string_view utf8) {
  if (isWellFormedUtf8(utf8)) return std::string(utf8);
  return toUtf8(toUnicode(utf8));
}

icu::Locale toIcu(const Locale& locale) { return icu::Locale(locale.identifier().c_str()); }

icu::Locale toIcuWithData(const Locale& locale) {
  icu::Locale icuLocale = toIcu(locale);
  UErrorCode status = U_ZERO_ERROR;
  UResourceBundle* bundle = ures_open(nullptr, icuLocale.getName(), &status);
  ures_close(bundle);
  // U_USING_DEFAULT_WARNING: neither the locale nor a parent has data.
  if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) return icu::Locale::getRoot();
  return icuLocale;
}

bool eachCodePointStandsAlone(const icu::UnicodeString& text) {
  const std::int32_t length = text.length();
  return clusterGlue().span(text.getBuffer(), length, USET_SPAN_NOT_CONTAINED) == length;
}

std::vector<std::int32_t> graphemeBoundaries(const icu::UnicodeString& text) {
  const std::int32_t length = text.length();
  std::vector<std::int32_t> bounds;
  bounds.push_back(0);
  icu::BreakIterator* it = eachCodePointStandsAlone(text) ? nullptr : threadCharacterIterator();
  if (it == nullptr) {
    // Code point boundaries, CR LF kept together: the whole rule set for
    // text without marks, joiners, Hangul or regional indicators.
    for (std::int32_t i = 0; i < length;) {
      const UChar32 c = text.char32At(i);
      i += U16_LENGTH(c);
      if (c == u'\r' && i < length && text.charAt(i) == u'\n') ++i;
      bounds.push_back(i);
    }
    return bounds;
  }
  it->setText(text);
  for (std::int32_t b = it->next(); b != icu::BreakIterator::DONE; b = it->next()) bounds.push_back(b);
  static const icu::UnicodeString kNothing;
  it->setText(kNothing);  // drop the reference to the caller's text
  if (bounds.back() != length) bounds.push_back(length);
  return bounds;
}

icu::BreakIterator* threadWordIterator(const icu::Locale& locale) {
  struct Cached {
    std::string name;
    std::unique_ptr<icu::BreakIterator> iterator;
  };
  thread_local Cached cached;
  if (!cached.iterator || cached.name != locale.getName()) {
    UErrorCode status = U_ZERO_ERROR;
    cached.iterator.reset(icu::BreakIterator::createWordInstance(locale, status));
    if (U_FAILURE(status)) cached.iterator.reset();
    cached.name = locale.getName();
  }
  return cached.iterator.get();
}

}  // namespace tal::numbertext_detail
