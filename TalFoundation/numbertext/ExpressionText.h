// Expression text: turns a calculator expression typed or pasted in Arabic
// (Arabic-Indic digits, Arabic separators, ÷ × −, Arabic words for
// operators, comparisons, powers and roots) into a plain Western expression,
// and writes the numbers inside a text with a number formatter.
// Neighbours: TextUtilities.h (search, ranges, tokens), NumberFormatter.h,
// DigitConversion.h (locale-driven digit conversion).
//
// Text is UTF-8. Ill-formed UTF-8 is read with each bad sequence as one
// U+FFFD, so results never carry the original bad bytes. Bytes past the
// first 2^31 - 1 of a text are not read (ICU lengths are 32-bit).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/numbertext/NumberFormatter.h"

namespace tal {

/// The Western expression: Arabic-Indic and extended Arabic-Indic digits
/// made Western, ÷ × − made / * -, "أس" exponents made e (2 أس 3 → 2e3),
/// ·10^ made e, "أس" after a group or Latin letters and "القوة" made ^,
/// *10^ made E, Arabic operator words made symbols (زائد → +, أكبر أو يساوي →
/// >=, في الألف → ‰, جذر → sqrt, …), white space collapsed to single spaces
/// and trimmed, and ٫ ٬ ٪ ؉ made . , % ‰. Any text gives a result.
[[nodiscard]] TAL_EXPORT std::string easternArabicToWestern(std::string_view text);

/// Only the digits and the signs: both Arabic digit sets made Western and
/// ÷ × − made / * -. Words and separators are left as they are.
[[nodiscard]] TAL_EXPORT std::string westernStandard(std::string_view text);

/// The text with each listed number text replaced, everywhere and in list
/// order, by `formatter`'s writing of it. A number text that does not begin
/// with a number (Decimal::fromString), or that the formatter cannot write,
/// is skipped; an empty list gives the text unchanged. An empty number text
/// is skipped too, as it cannot be found.
[[nodiscard]] TAL_EXPORT std::string localizedDigits(std::string_view text, std::span<const std::string> numbers,
                                          const NumberFormatter& formatter);

}  // namespace tal
