#include "TalFoundation/numbertext/ExpressionText.h"

#include <unicode/regex.h>
#include <unicode/uchar.h>
#include <unicode/uniset.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "TalFoundation/numbertext/TextUtilities.h"
#include "TalFoundation/numbertext/detail/IcuText.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {
namespace {

namespace nd = numbertext_detail;

// A pattern with its replacement, and what is known of where its matches
// can start: every match holds one of the literals, and before that literal
// only characters of `lead` ("" = none: the match starts at the literal).
// Knowing this, the matcher is tried only at those starts instead of at
// every position, which is where ICU spends its time. `lead` "*" means
// unknown: the pattern is run over the whole text.
struct RuleText {
  std::string_view pattern;
  std::string_view replacement;  // ICU template: $1, $2 are the groups
  std::string_view literal;
  std::string_view lead = {};
  std::string_view otherLiteral = {};
};

constexpr std::string_view kNumberLead = "[0-9.[:White_Space:]]";
constexpr std::string_view kSignedNumberLead = "[-+0-9.[:White_Space:]]";
constexpr std::string_view kNameLead = "[a-zA-Z[:White_Space:]]";
constexpr std::string_view kNameOrNumberLead = "[0-9a-zA-Z[:White_Space:]]";

// Exponents of ten, in order: the middle-dot forms, then "أس" joined to a
// number, "أس" between two numbers, and an e already written.
constexpr RuleText kExponentRules[] = {
    {"·10\\^", "e", "·10^"},
    {"·10\\(", "e(", "·10("},
    {"أس([+-]?[0-9]+(?:\\.[0-9]+)?)", "e$1", "أس"},
    {"([+-]?[0-9]+(?:\\.[0-9]+)?)\\s*أس\\s*([+-]?[0-9]+(?:\\.[0-9]+)?)", "$1e$2", "أس", kSignedNumberLead},
    {"([0-9]+(?:\\.[0-9]+)?)[eE]([+-]?[0-9]+)", "$1e$2", "e", "[0-9.]", "E"},
};

// Powers, in order: what the exponent rules left of "أس", and "القوة".
constexpr RuleText kPowerRules[] = {
    {"([0-9]+(?:\\.[0-9]+)?)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2", "أس", kNumberLead},
    {"([a-zA-Z]+)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2", "أس", kNameLead},
    {"\\(([^)]+)\\)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "($1)^$2", "أس", "*"},  // a group may hold anything
    {"([0-9a-zA-Z]+)\\s*أس\\s*\\(([^)]+)\\)", "$1^($2)", "أس", kNameOrNumberLead},
    {"أس\\s*\\(([^)]+)\\)", "^($1)", "أس"},
    {"([0-9a-zA-Z]+)\\s*القوة\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2", "القوة", kNameOrNumberLead},
};

struct WordText {
  std::string_view word;
  std::string_view replacement;
};

// Phrases come before the single words inside them (يساوي in the
// comparisons, في in في الألف).
constexpr WordText kWords[] = {
    {"أكبر من", ">"},        {"أصغر من", "<"},  {"أكبر أو يساوي", ">="}, {"أصغر أو يساوي", "<="},
    {"لا يساوي", "!="},      {"في الألف", "‰"}, {"زائد", "+"},           {"ناقص", "-"},
    {"ضرب", "*"},            {"في", "*"},        {"على", "/"},            {"تقسيم", "/"},
    {"يساوي", "="},          {"قسمة", "/"},      {"نسبة", "/"},           {"مضروب", "!"},
    {"جذر", "sqrt"},         {"الجذر", "sqrt"},
};

// A replacement template cut into literal text and group numbers.
struct Piece {
  icu::UnicodeString text;
  std::int32_t group = -1;  // -1: text
};

std::vector<Piece> parseTemplate(const icu::UnicodeString& replacement) {
  std::vector<Piece> pieces;
  for (std::int32_t i = 0; i < replacement.length();) {
    const char16_t c = replacement.charAt(i);
    if (c == u'$' && i + 1 < replacement.length() && u_isdigit(replacement.charAt(i + 1))) {
      pieces.push_back(Piece{{}, u_charDigitValue(replacement.charAt(i + 1))});
      i += 2;
      continue;
    }
    if (pieces.empty() || pieces.back().group >= 0) pieces.push_back(Piece{});
    pieces.back().text.append(c);
    ++i;
  }
  return pieces;
}

struct Rule {
  std::unique_ptr<icu::RegexPattern> pattern;  // null when it did not compile
  icu::UnicodeString replacement;
  std::vector<Piece> pieces;
  std::vector<icu::UnicodeString> literals;
  std::unique_ptr<icu::UnicodeSet> lead;  // frozen; null: matches start at the literal
  bool startsKnown = true;
};

Rule compile(const RuleText& text) {
  Rule rule;
  UErrorCode status = U_ZERO_ERROR;
  UParseError where{};
  rule.pattern.reset(icu::RegexPattern::compile(nd::toUnicode(text.pattern), 0, where, status));
  if (U_FAILURE(status)) rule.pattern.reset();  // a broken pattern is skipped
  rule.replacement = nd::toUnicode(text.replacement);
  rule.pieces = parseTemplate(rule.replacement);
  rule.literals.push_back(nd::toUnicode(text.literal));
  if (!text.otherLiteral.empty()) rule.literals.push_back(nd::toUnicode(text.otherLiteral));
  if (text.lead == "*") {
    rule.startsKnown = false;
  } else if (!text.lead.empty()) {
    status = U_ZERO_ERROR;
    rule.lead = std::make_unique<icu::UnicodeSet>(nd::toUnicode(text.lead), status);
    if (U_FAILURE(status)) {
      rule.lead.reset();
      rule.startsKnown = false;
    } else {
      rule.lead->freeze();
    }
  }
  return rule;
}

template <std::size_t N>
std::vector<Rule> compileAll(const RuleText (&texts)[N]) {
  std::vector<Rule> rules;
  for (const RuleText& t : texts) rules.push_back(compile(t));
  return rules;
}

// Compiled once; an ICU pattern is immutable and shared by all threads,
// each call making its own matchers.
const std::vector<Rule>& exponentRules() {
  static const std::vector<Rule> rules = compileAll(kExponentRules);
  return rules;
}
const std::vector<Rule>& powerRules() {
  static const std::vector<Rule> rules = compileAll(kPowerRules);
  return rules;
}
const std::vector<Rule>& wordRules() {
  static const std::vector<Rule> rules = [] {
    std::vector<Rule> compiled;
    for (const WordText& w : kWords) {
      const std::string pattern = "\\b" + std::string(w.word) + "\\b";
      compiled.push_back(compile(RuleText{pattern, w.replacement, w.word}));
    }
    return compiled;
  }();
  return rules;
}

// The positions where a match of the rule may start, in order.
std::vector<std::int32_t> possibleStarts(const Rule& rule, const icu::UnicodeString& text) {
  std::vector<std::int32_t> starts;
  for (const icu::UnicodeString& literal : rule.literals) {
    for (std::int32_t at = text.indexOf(literal); at >= 0; at = text.indexOf(literal, at + 1)) {
      std::int32_t from = at;
      while (rule.lead && from > 0) {
        const UChar32 before = text.char32At(from - 1);
        if (!rule.lead->contains(before)) break;
        from -= U16_LENGTH(before);
      }
      for (std::int32_t s = from; s <= at; s += U16_LENGTH(text.char32At(s))) {
        starts.push_back(s);
        if (s == at) break;
      }
    }
  }
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  return starts;
}

// Every match replaced, left to right without overlaps, as replaceAll does;
// only the possible starts are tried, each as an anchored match over the
// whole text, so \b still sees the characters around it.
void apply(const Rule& rule, icu::UnicodeString& text) {
  if (!rule.pattern) return;
  std::vector<std::int32_t> starts;
  if (rule.startsKnown) {
    starts = possibleStarts(rule, text);
    if (starts.empty()) return;
  } else {
    bool holdsLiteral = false;
    for (const icu::UnicodeString& literal : rule.literals) holdsLiteral = holdsLiteral || text.indexOf(literal) >= 0;
    if (!holdsLiteral) return;
  }

  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::RegexMatcher> matcher(rule.pattern->matcher(text, status));
  if (U_FAILURE(status) || !matcher) return;
  if (!rule.startsKnown) {
    icu::UnicodeString replaced = matcher->replaceAll(rule.replacement, status);
    if (U_SUCCESS(status)) text = std::move(replaced);
    return;
  }

  icu::UnicodeString out;
  std::int32_t copied = 0;
  for (const std::int32_t start : starts) {
    if (start < copied) continue;
    if (!matcher->lookingAt(start, status) || U_FAILURE(status)) {
      if (U_FAILURE(status)) return;
      continue;
    }
    const auto matchStart = static_cast<std::int32_t>(matcher->start64(status));
    const auto matchEnd = static_cast<std::int32_t>(matcher->end64(status));
    if (U_FAILURE(status) || matchEnd <= matchStart) return;  // every match holds a literal
    out.append(text, copied, matchStart - copied);
    for (const Piece& piece : rule.pieces) {
      if (piece.group < 0) {
        out.append(piece.text);
      } else if (piece.group <= matcher->groupCount()) {
        out.append(matcher->group(piece.group, status));
      }
    }
    copied = matchEnd;
  }
  if (copied == 0) return;
  out.append(text, copied, text.length() - copied);
  text = std::move(out);
}

void applyAll(const std::vector<Rule>& rules, icu::UnicodeString& text) {
  for (const Rule& rule : rules) apply(rule, text);
}

// Arabic-Indic and extended Arabic-Indic digits, then ÷ × −.
UChar32 westernDigitOrSign(UChar32 c) {
  if (c >= 0x0660 && c <= 0x0669) return '0' + (c - 0x0660);
  if (c >= 0x06F0 && c <= 0x06F9) return '0' + (c - 0x06F0);
  switch (c) {
    case 0x00F7: return '/';
    case 0x00D7: return '*';
    case 0x2212: return '-';
    default: return U_SENTINEL;
  }
}

UChar32 westernSeparator(UChar32 c) {
  switch (c) {
    case 0x066B: return '.';
    case 0x066C: return ',';
    case 0x066A: return '%';
    case 0x0609: return 0x2030;
    default: return U_SENTINEL;
  }
}

// White space and line breaks as trimming sees them: separators of every
// kind, tab to carriage return, and NEL.
bool isSpaceOrLineBreak(UChar32 c) {
  if ((c >= 0x09 && c <= 0x0D) || c == 0x85) return true;
  const auto type = static_cast<UCharCategory>(u_charType(c));
  return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

// Every run of white space made one " ": what the regular expression \s+
// replaced by " " does, as ICU's \s is exactly White_Space; a plain loop
// costs a fraction of the regular expression.
icu::UnicodeString collapsedWhiteSpace(const icu::UnicodeString& text) {
  icu::UnicodeString out(text.length(), 0, 0);  // capacity only
  bool inRun = false;
  for (std::int32_t i = 0; i < text.length();) {
    const UChar32 c = text.char32At(i);
    i += U16_LENGTH(c);
    if (u_isUWhiteSpace(c)) {
      if (!inRun) out.append(u' ');
      inRun = true;
    } else {
      out.append(c);
      inRun = false;
    }
  }
  return out;
}

icu::UnicodeString trimmed(const icu::UnicodeString& text) {
  std::int32_t start = 0;
  std::int32_t end = text.length();
  while (start < end) {
    const UChar32 c = text.char32At(start);
    if (!isSpaceOrLineBreak(c)) break;
    start += U16_LENGTH(c);
  }
  while (end > start) {
    const UChar32 c = text.char32At(end - 1);
    if (!isSpaceOrLineBreak(c)) break;
    end -= U16_LENGTH(c);
  }
  return icu::UnicodeString(text, start, end - start);
}

}  // namespace

std::string easternArabicToWestern(std::string_view input) {
  icu::UnicodeString text = nd::mapSingleCharacters(nd::toUnicode(input), westernDigitOrSign);
  applyAll(exponentRules(), text);
  applyAll(powerRules(), text);
  text.findAndReplace(icu::UnicodeString(u"*10^"), icu::UnicodeString(u"E"));
  applyAll(wordRules(), text);
  text = collapsedWhiteSpace(trimmed(text));
  return nd::toUtf8(nd::mapSingleCharacters(text, westernSeparator));
}

std::string westernStandard(std::string_view input) {
  return nd::toUtf8(nd::mapSingleCharacters(nd::toUnicode(input), westernDigitOrSign));
}

std::string localizedDigits(std::string_view input, std::span<const std::string> numbers,
                            const NumberFormatter& formatter) {
  std::string text = nd::repairedUtf8(input);
  for (const std::string& number : numbers) {
    if (number.empty()) continue;
    const std::optional<Decimal> value = Decimal::fromString(number);
    if (!value) continue;
    const std::optional<std::string> written = formatter.format(*value);
    if (!written) continue;
    text = replace(text, number, *written);
  }
  return text;
}

}  // namespace tal
