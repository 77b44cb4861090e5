#include "TalFoundation/units/UnitResolver.h"

#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <unordered_map>
#include <utility>

#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/TalMeasurement.h"

namespace tal {

namespace {

// ---- Data -------------------------------------------------------------------

/// Abbreviations and words people type, one row per reading. Texts are
/// compared the way names are (any case; spaces, "-", "·" ignored).
struct Alias {
  std::string_view text;
  std::string_view unitId;
};
constexpr Alias kAliases[] = {
    {"C", "temperature_°C"},
    {"centigrade", "temperature_°C"},
    {"degree Celsius", "temperature_°C"},
    {"degrees Celsius", "temperature_°C"},
    {"F", "temperature_°F"},
    {"degree Fahrenheit", "temperature_°F"},
    {"degrees Fahrenheit", "temperature_°F"},
    {"nmi", "length_n mile"},
    {"micron", "length_µm"},
    {"microns", "length_µm"},
    {"lbs", "mass_lb"},
    {"kilo", "mass_kg"},
    {"kilos", "mass_kg"},
    {"metric ton", "mass_t"},
    {"metric tons", "mass_t"},
    {"ton", "mass_ton (US)"},
    {"ton", "mass_ton (UK)"},
    {"tons", "mass_ton (US)"},
    {"tons", "mass_ton (UK)"},
    {"hr", "duration_h"},
    {"hrs", "duration_h"},
    {"min", "duration_m"},
    {"mins", "duration_m"},
    {"sec", "duration_s"},
    {"secs", "duration_s"},
    {"msec", "duration_ms"},
    {"day", "duration_d"},
    {"days", "duration_d"},
    {"wks", "duration_wk"},
    {"yr", "duration_a_g"},
    {"yrs", "duration_a_g"},
    {"year", "duration_a_g"},
    {"years", "duration_a_g"},
    {"kph", "speed_km/h"},
    {"kmh", "speed_km/h"},
    {"kmph", "speed_km/h"},
    {"mi/h", "speed_mph"},
    {"kt", "speed_kn"},
    {"kts", "speed_kn"},
    {"arcmin", "angle_ʹ"},
    {"arcminute", "angle_ʹ"},
    {"arcminutes", "angle_ʹ"},
    {"arcsec", "angle_ʹʹ"},
    {"arcsecond", "angle_ʹʹ"},
    {"arcseconds", "angle_ʹʹ"},
    {"degrees", "angle_°"},
    {"turn", "angle_rev"},
    {"turns", "angle_rev"},
    {"gal", "volume_imp gal"},
    {"gallon", "volume_imp gal"},
    {"gallons", "volume_imp gal"},
    {"cup", "volume_imp cup"},
    {"cup", "volume_metric cup Imperial"},
    {"cups", "volume_US cup"},
    {"cups", "volume_imp cup"},
    {"pt", "volume_imp pt"},
    {"pint", "volume_US pt"},
    {"pint", "volume_imp pt"},
    {"pints", "volume_US pt"},
    {"pints", "volume_imp pt"},
    {"qt", "volume_imp qt"},
    {"quart", "volume_US qt"},
    {"quart", "volume_imp qt"},
    {"quarts", "volume_US qt"},
    {"quarts", "volume_imp qt"},
    {"fl oz", "volume_imp fl oz"},
    {"fluid ounce", "volume_imp fl oz"},
    {"fluid ounces", "volume_imp fl oz"},
    {"tbsp", "volume_imp tbsp"},
    {"tbs", "volume_US tbsp"},
    {"tbs", "volume_imp tbsp"},
    {"tablespoon", "volume_imp tbsp"},
    {"tablespoons", "volume_imp tbsp"},
    {"tsp", "volume_imp tsp"},
    {"teaspoon", "volume_imp tsp"},
    {"teaspoons", "volume_imp tsp"},
    {"cc", "volume_cm³"},
    {"ml", "volume_mL"},  // "ML" (megalitre) folds alike, but lower case means the millilitre
    {"cal", "energy_cal_IT"},
    {"cal", "energy_cal_th"},
    {"cal", "energy_cal_15"},
    {"cal", "energy_cal_20"},
    {"kcal", "energy_kcal_IT"},
    {"kcal", "energy_kcal_th"},
    {"kcal", "energy_kcal_15"},
    {"kcal", "energy_kcal_20"},
    {"BTU", "energy_BTU_IT"},
    {"BTU", "energy_BTU_th"},
    {"BTU", "energy_BTU_15"},
    {"BTU", "energy_BTU_20"},
    {"MMBTU", "energy_MMBTU_IT"},
    {"MMBTU", "energy_MMBTU_th"},
    {"MMBTU", "energy_MMBTU_15"},
    {"MMBTU", "energy_MMBTU_20"},
    {"hp", "power_hp(M)"},
    {"hp", "power_hp(E)"},
    {"hp", "power_hp(S)"},
    {"horsepower", "power_hp(I)"},
    {"horsepower", "power_hp(M)"},
    {"horsepower", "power_hp(E)"},
    {"horsepower", "power_hp(S)"},
    {"pounds per square inch", "pressure_psi"},
    {"atmosphere", "pressure_atm"},
    {"atmospheres", "pressure_atm"},
    {"r/min", "frequency_rpm"},
    {"r/min", "angularvelocity_rpm"},
    {"rev/min", "frequency_rpm"},
    {"rev/min", "angularvelocity_rpm"},
    {"rev/s", "frequency_rps"},
    {"rev/s", "angularvelocity_rps"},
    {"amp", "current_A"},
    {"amps", "current_A"},
};

/// Marks of a preferred reading among units one text names: US customary
/// before imperial, the international-table calorie and BTU, and the
/// mechanical horsepower.
constexpr std::string_view kPreferredSymbolMarks[] = {"US", "_IT", "hp(I)"};

/// Plural ↔ singular pairs the English rules below get wrong (the
/// catalogue names the inch in the plural).
struct WordForm {
  std::string_view one;
  std::string_view other;
};
constexpr WordForm kIrregularWords[] = {
    {"foot", "feet"}, {"inches", "inch"}, {"inch", "inches"}, {"hertz", "hertz"}, {"siemens", "siemens"},
    {"lux", "lux"},   {"celsius", "celsius"}, {"fahrenheit", "fahrenheit"}, {"stokes", "stokes"},
};

/// British spellings of American word parts.
constexpr WordForm kBritishSpellings[] = {{"meter", "metre"}, {"liter", "litre"}};

/// Other ways to write the non-ASCII characters of symbols and names.
struct Spelling {
  char32_t codePoint;
  std::string_view ascii;
};
constexpr Spelling kSpellings[] = {
    {U'\u00B2', "2"},   {U'\u00B3', "3"},    {U'\u00B9', "1"},   {U'\u207B', "-"},   {U'\u2082', "2"},
    {U'\u2080', "0"},   {U'\u00B5', "u"},    {U'\u03BC', "u"},   {U'\u03A9', "ohm"}, {U'\u2126', "ohm"},
    {U'\u2127', "mho"}, {U'\u00B0', "deg"},  {U'\u00BA', "deg"}, {U'\u02B9', "'"},   {U'\u2032', "'"},
    {U'\u2019', "'"},   {U'\u2033', "''"},   {U'\u201D', "''"},  {U'\u00B7', ""},    {U'\u22C5', ""},
    {U'\u00D7', ""},    {U'\u00E9', "e"},    {U'\u00F8', "o"},   {U'\u2248', ""},    {U'\u00A0', ""},
};

/// Leading words that stand for a power of the unit after them.
struct PowerWord {
  std::string_view word;
  char power;
};
constexpr PowerWord kPowerWords[] = {{"square ", '2'}, {"sq. ", '2'}, {"sq ", '2'}, {"cubic ", '3'}, {"cu ", '3'}};

/// Words between the source and the target of a conversion phrase.
constexpr std::string_view kSeparators[] = {"to", "in", "into", "as", "->", "\u2192", "="};

// ---- Text -------------------------------------------------------------------

constexpr bool isSpace(char c) noexcept {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }
constexpr char lowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view text) noexcept {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerAscii(c);
  return out;
}

/// The code point of the well-formed UTF-8 sequence at `at` and its length;
/// 0 and 1 for anything else, which callers copy through as it is.
std::pair<char32_t, std::size_t> decodeAt(std::string_view s, std::size_t at) noexcept {
  const auto b0 = static_cast<unsigned char>(s[at]);
  const std::size_t n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || at + n > s.size()) return {0, 1};
  char32_t c = n == 1 ? char32_t{b0} : static_cast<char32_t>(b0 & (0x7Fu >> n));
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[at + k]);
    if ((b >> 6) != 0x2) return {0, 1};
    c = (c << 6) | (b & 0x3Fu);
  }
  return {c, n};
}

/// The spelling key of a text: non-ASCII symbol characters written in ASCII
/// (µ → u, ² → 2, ° → deg, Ω → ohm, ʹʹ → ''), "^", "*", "·", spaces and
/// word-joining hyphens dropped, and a leading "square"/"sq"/"cubic" made a
/// trailing 2 or 3. Letter case is kept.
std::string spellingKey(std::string_view text) {
  char power = 0;
  for (const PowerWord& word : kPowerWords) {
    if (text.size() > word.word.size() && equalsIgnoringCase(text.substr(0, word.word.size()), word.word)) {
      text.remove_prefix(word.word.size());
      power = word.power;
      break;
    }
  }
  std::string out;
  out.reserve(text.size() + 2);
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      ++i;
      if (isSpace(c) || c == '*' || c == '^') continue;
      if (c == '-' && !(i < text.size() && isDigit(text[i]))) continue;
      if (c == '"') {
        out += "''";
        continue;
      }
      out += c;
      continue;
    }
    const auto [codePoint, length] = decodeAt(text, i);
    const auto* spelling = std::find_if(std::begin(kSpellings), std::end(kSpellings),
                                        [cp = codePoint](const Spelling& s) { return s.codePoint == cp; });
    if (codePoint != 0 && spelling != std::end(kSpellings))
      out += spelling->ascii;
    else
      out.append(text.substr(i, length));
    i += length;
  }
  if (power != 0) out += power;
  return out;
}

std::string foldedKey(std::string_view text) { return lowered(spellingKey(text)); }

/// Arabic-Indic and Extended Arabic-Indic digits made Western, "٫" made
/// ".", "٬" between digits dropped, "−" made "-"; the rest is copied.
std::string westernDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      out += text[i++];
      continue;
    }
    const auto [c, length] = decodeAt(text, i);
    if (c >= U'\u0660' && c <= U'\u0669') {
      out += static_cast<char>('0' + (c - U'\u0660'));
    } else if (c >= U'\u06F0' && c <= U'\u06F9') {
      out += static_cast<char>('0' + (c - U'\u06F0'));
    } else if (c == U'\u066B') {
      out += '.';
    } else if (c == U'\u066C') {
      // A group separator; only between digits is it one.
      if (out.empty() || !isDigit(out.back())) out.append(text.substr(i, length));
    } else if (c == U'\u2212') {
      out += '-';
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  return out;
}

// ---- Names ------------------------------------------------------------------

std::string pluralWord(std::string_view word) {
  const std::string lower = lowered(word);
  for (const WordForm& form : kIrregularWords)
    if (lower == form.one) return std::string(form.other);
  if (lower.empty()) return lower;
  const char last = lower.back();
  if (last == 's' || last == 'x' || last == 'z') return lower;
  if (lower.ends_with("ch") || lower.ends_with("sh")) return lower + "es";
  if (last == 'y' && lower.size() > 1 && std::string_view("aeiou").find(lower[lower.size() - 2]) == std::string_view::npos)
    return lower.substr(0, lower.size() - 1) + "ies";
  return lower + "s";
}

/// Where the head of a unit name ends: before " per ", " (" or ",".
std::size_t headEnd(std::string_view name) {
  std::size_t end = name.size();
  for (const std::string_view mark : {std::string_view(" per "), std::string_view(" ("), std::string_view(",")})
    end = std::min(end, name.find(mark));
  return end;
}

/// The name with the last word of its head in the plural: "Miles per Hour".
std::string pluralName(std::string_view name) {
  const std::size_t end = headEnd(name);
  const std::size_t space = name.substr(0, end).find_last_of(" -");
  const std::size_t start = space == std::string_view::npos ? 0 : space + 1;
  return std::string(name.substr(0, start)) + pluralWord(name.substr(start, end - start)) +
         std::string(name.substr(end));
}

std::string britishName(std::string name) {
  std::string lower = lowered(name);
  for (const WordForm& form : kBritishSpellings) {
    for (std::size_t at = lower.find(form.one); at != std::string::npos; at = lower.find(form.one, at + 1)) {
      lower.replace(at, form.one.size(), form.other);
    }
  }
  return lower;
}

/// The name, its plural and their British spellings.
std::vector<std::string> nameForms(std::string_view name) {
  std::vector<std::string> forms{std::string(name), pluralName(name)};
  forms.push_back(britishName(forms[0]));
  forms.push_back(britishName(forms[1]));
  return forms;
}

/// A name with a closing qualifier ("Calorie (15°C)", "Barrel (US
/// petroleum)", "Chinese mainland jin, 500 g") also answers to its head.
std::optional<std::string_view> nameHead(std::string_view name) {
  const std::size_t comma = name.find(',');
  const std::size_t paren = name.find(" (");
  if (paren != std::string_view::npos && paren < comma) {
    const std::size_t close = name.find(')', paren);
    if (close != std::string_view::npos && (close + 1 == name.size() || name[close + 1] == ','))
      return name.substr(0, paren);
    return std::nullopt;
  }
  if (comma != std::string_view::npos && name.find(" per ") == std::string_view::npos) return name.substr(0, comma);
  return std::nullopt;
}

// ---- The index --------------------------------------------------------------

struct Hit {
  std::uint16_t unit;
  UnitMatchKind kind;
};

struct KeyHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
};
using KeyMap = std::unordered_map<std::string, std::vector<Hit>, KeyHash, std::equal_to<>>;

void addHit(KeyMap& map, std::string key, std::size_t unit, UnitMatchKind kind) {
  if (key.empty()) return;
  auto& hits = map[std::move(key)];
  const auto index = static_cast<std::uint16_t>(unit);
  for (Hit& hit : hits) {
    if (hit.unit == index) {
      hit.kind = std::min(hit.kind, kind);
      return;
    }
  }
  hits.push_back({index, kind});
}

const std::vector<Hit>* lookup(const KeyMap& map, std::string_view key) {
  const auto found = map.find(key);
  return found == map.end() ? nullptr : &found->second;
}

struct SearchEntry {
  std::string name;    // lower case, as written
  std::string symbol;  // lower case, as written
  std::string folded;  // the folded key of the name, for edit distance
};

struct Index {
  std::vector<TalUnit> units;
  std::vector<bool> preferred;
  std::vector<std::uint8_t> categoryOrdinal;
  KeyMap exact;     // ids, symbols, platform symbols as written
  KeyMap spelling;  // spelling keys of symbols, case kept
  KeyMap folded;    // folded keys of symbols (where unambiguous), names and aliases
  std::vector<SearchEntry> search;
};

bool isPreferred(const TalUnit& unit) {
  return std::any_of(std::begin(kPreferredSymbolMarks), std::end(kPreferredSymbolMarks),
                     [&](std::string_view mark) { return unit.symbol().find(mark) != std::string::npos; });
}

Index buildIndex() {
  Index index;
  // Folded symbol key → the spelling keys that fold to it, and their units.
  std::unordered_map<std::string, std::vector<std::pair<std::string, std::size_t>>> foldedSymbols;
  std::unordered_map<std::string_view, std::size_t> byId;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    if (category == TalUnitCategory::currency) continue;
    for (const TalUnit& unit : category.getUnits()) index.units.push_back(unit);
  }
  for (std::size_t u = 0; u < index.units.size(); ++u) {
    const TalUnit& unit = index.units[u];
    byId.emplace(unit.id(), u);
    index.preferred.push_back(isPreferred(unit));
    index.categoryOrdinal.push_back(static_cast<std::uint8_t>(unit.category().value()));
    addHit(index.exact, unit.id(), u, UnitMatchKind::id);
    addHit(index.exact, unit.symbol(), u, UnitMatchKind::symbol);
    std::vector<std::string_view> symbols{unit.symbol()};
    if (unit.dimension() != nullptr && unit.dimension()->symbol() != unit.symbol()) {
      addHit(index.exact, std::string(unit.dimension()->symbol()), u, UnitMatchKind::platformSymbol);
      symbols.push_back(unit.dimension()->symbol());
    }
    for (const std::string_view symbol : symbols) {
      std::string key = spellingKey(symbol);
      if (key != symbol) addHit(index.spelling, key, u, UnitMatchKind::spelling);
      foldedSymbols[lowered(key)].emplace_back(key, u);
    }
    for (const std::string& form : nameForms(unit.name())) addHit(index.folded, foldedKey(form), u, UnitMatchKind::name);
    if (const auto head = nameHead(unit.name()))
      for (const std::string& form : nameForms(*head)) addHit(index.folded, foldedKey(form), u, UnitMatchKind::alias);
    index.search.push_back({lowered(unit.name()), lowered(unit.symbol()), foldedKey(unit.name())});
  }
  for (const auto& [key, entries] : foldedSymbols) {
    const std::string& first = entries.front().first;
    const bool oneSpelling =
        std::all_of(entries.begin(), entries.end(), [&first](const auto& entry) { return entry.first == first; });
    if (!oneSpelling) continue;
    for (const auto& [spelling, u] : entries) {
      const bool plain = spelling == index.units[u].symbol() ||
                         (index.units[u].dimension() != nullptr && spelling == index.units[u].dimension()->symbol());
      addHit(index.folded, key, u, plain ? UnitMatchKind::symbolIgnoringCase : UnitMatchKind::spelling);
    }
  }
  for (const Alias& alias : kAliases) {
    const auto unit = byId.find(alias.unitId);
    if (unit != byId.end()) addHit(index.folded, foldedKey(alias.text), unit->second, UnitMatchKind::alias);
  }
  return index;
}

const Index& theIndex() {
  // Never destroyed, so a lookup during static destruction still works.
  static const Index& built = *new Index(buildIndex());
  return built;
}

// ---- Currency ---------------------------------------------------------------

/// The ISO code a text spells in any case ("usd", "currency_EUR").
std::optional<std::string> currencyCode(std::string_view text) {
  if (text.starts_with("currency_")) text.remove_prefix(9);
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (text.size() != 3 || !std::all_of(text.begin(), text.end(), letter)) return std::nullopt;
  std::string code(text);
  for (char& c : code) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  if (!TalCurrency::fromRawValue(code)) return std::nullopt;
  return code;
}

std::optional<UnitMatch> currencyMatch(std::string_view text) {
  const auto code = currencyCode(text);
  if (!code) return std::nullopt;
  for (const TalUnit& unit : TalUnitCategory::currency.getUnits()) {
    if (unit.symbol() != *code) continue;
    const UnitMatchKind kind = text == unit.id()       ? UnitMatchKind::id
                               : text == unit.symbol() ? UnitMatchKind::symbol
                                                       : UnitMatchKind::symbolIgnoringCase;
    return UnitMatch{unit, kind};
  }
  return std::nullopt;
}

// ---- Matching ---------------------------------------------------------------

struct Ranked {
  std::size_t unit;
  UnitMatchKind kind;
};

bool rankedBefore(const Index& idx, const Ranked& a, const Ranked& b) {
  if (a.kind != b.kind) return a.kind < b.kind;
  const bool pa = idx.preferred[a.unit];
  const bool pb = idx.preferred[b.unit];
  if (pa != pb) return pa;
  return a.unit < b.unit;
}

std::vector<Ranked> rankedHits(const Index& idx, std::string_view text, std::optional<TalUnitCategory> within) {
  std::vector<Ranked> ranked;
  const auto take = [&](const std::vector<Hit>* hits) {
    if (hits == nullptr) return;
    for (const Hit& hit : *hits) {
      if (within && idx.units[hit.unit].category() != *within) continue;
      auto same = std::find_if(ranked.begin(), ranked.end(), [&](const Ranked& r) { return r.unit == hit.unit; });
      if (same == ranked.end())
        ranked.push_back({hit.unit, hit.kind});
      else
        same->kind = std::min(same->kind, hit.kind);
    }
  };
  take(lookup(idx.exact, text));
  std::string key = spellingKey(text);
  take(lookup(idx.spelling, key));
  for (char& c : key) c = lowerAscii(c);
  take(lookup(idx.folded, key));
  std::sort(ranked.begin(), ranked.end(), [&](const Ranked& a, const Ranked& b) { return rankedBefore(idx, a, b); });
  return ranked;
}

// ---- Search -----------------------------------------------------------------

/// Levenshtein distance, or limit + 1 once it is certain to exceed `limit`.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > limit) return limit + 1;
  std::array<std::size_t, 65> row{};
  if (a.size() >= row.size()) return limit + 1;
  for (std::size_t i = 0; i <= a.size(); ++i) row[i] = i;
  for (std::size_t j = 1; j <= b.size(); ++j) {
    std::size_t diagonal = row[0];
    row[0] = j;
    std::size_t best = row[0];
    for (std::size_t i = 1; i <= a.size(); ++i) {
      const std::size_t above = row[i];
      row[i] = std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
      best = std::min(best, row[i]);
    }
    if (best > limit) return limit + 1;
  }
  return row[a.size()];
}

constexpr bool isWordCharacter(char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c);
}

/// Whether `word` appears in `text` with no letter or digit on either side.
bool containsWord(std::string_view text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    if ((at == 0 || !isWordCharacter(text[at - 1])) && (end == text.size() || !isWordCharacter(text[end])))
      return true;
  }
  return false;
}

// ---- Phrases ----------------------------------------------------------------

UnitTextError error(UnitTextError::Kind kind, std::string word, std::string message) {
  return UnitTextError{kind, std::move(word), {}, {}, std::move(message)};
}

std::string quoted(std::string_view text) {
  // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) about a
  // literal + std::string here, wrongly.
  std::string result;
  result.reserve(text.size() + 2);
  result += '"';
  result += text;
  result += '"';
  return result;
}

UnitTextError unknownUnit(std::string_view text) {
  if (currencyCode(text)) {
    return error(UnitTextError::Kind::needsRates, std::string(text),
                 quoted(text) + " is a currency: converting money needs exchange rates, and none are installed for it");
  }
  UnitTextError failure = error(UnitTextError::Kind::unknownUnit, std::string(text), quoted(text) + " is not a unit");
  failure.suggestions = UnitResolver::search(text, 3);
  for (std::size_t i = 0; i < failure.suggestions.size(); ++i) {
    const TalUnit& unit = failure.suggestions[i];
    failure.message += (i == 0 ? "; did you mean " : ", ") + unit.name() + " (" + unit.symbol() + ")";
  }
  if (!failure.suggestions.empty()) failure.message += "?";
  return failure;
}

std::string describe(std::string_view text, const TalUnit& unit) {
  return quoted(text) + " (" + unit.name() + ", " + std::string(unit.category().displayName()) + ")";
}

/// The units of one category for every text: the category every text can
/// mean with the best ranks, or the error that says what failed.
ConversionPhraseResult resolve(std::span<const std::pair<Decimal, std::string_view>> terms, std::string_view target,
                               std::optional<TalUnitCategory> within) {
  std::vector<std::vector<UnitMatch>> readings;
  std::vector<std::string_view> texts;
  for (const auto& term : terms) texts.push_back(term.second);
  texts.push_back(target);
  for (const std::string_view text : texts) {
    readings.push_back(UnitResolver::findAll(text, within));
    if (readings.back().empty()) return unknownUnit(trimmed(text));
  }
  std::optional<TalUnitCategory> best;
  std::size_t bestScore = 0;
  for (const UnitMatch& candidate : readings.front()) {
    const TalUnitCategory category = candidate.unit.category();
    std::size_t score = 0;
    bool everywhere = true;
    for (const auto& reading : readings) {
      const auto match = std::find_if(reading.begin(), reading.end(),
                                      [&](const UnitMatch& m) { return m.unit.category() == category; });
      if (match == reading.end()) {
        everywhere = false;
        break;
      }
      score += static_cast<std::size_t>(match->kind);
    }
    if (!everywhere) continue;
    // Ties go to the earlier category.
    if (!best || score < bestScore || (score == bestScore && category.value() < best->value())) {
      best = category;
      bestScore = score;
    }
  }
  if (!best) {
    // Name the first text that shares no category with the first one.
    std::size_t other = 1;
    for (; other + 1 < readings.size(); ++other) {
      bool shared = false;
      for (const UnitMatch& a : readings.front())
        for (const UnitMatch& b : readings[other]) shared = shared || a.unit.category() == b.unit.category();
      if (!shared) break;
    }
    const std::string_view first = trimmed(texts.front());
    const std::string_view second = trimmed(texts[other]);
    UnitTextError failure =
        error(UnitTextError::Kind::differentCategories, std::string(first),
              describe(first, readings.front().front().unit) + " and " +
                  describe(second, readings[other].front().unit) + " belong to different categories");
    failure.otherWord = std::string(second);
    return failure;
  }
  const auto unitIn = [&](const std::vector<UnitMatch>& reading) {
    return std::find_if(reading.begin(), reading.end(), [&](const UnitMatch& m) { return m.unit.category() == *best; })
        ->unit;
  };
  std::vector<UnitTerm> unitTerms;
  for (std::size_t i = 0; i < terms.size(); ++i) unitTerms.push_back({terms[i].first, unitIn(readings[i])});
  return ConversionPhrase{std::move(unitTerms), unitIn(readings.back())};
}

/// A word that is a number from start to end.
std::optional<Decimal> wholeNumber(std::string_view word) {
  std::size_t consumed = 0;
  const auto value = Decimal::fromString(word, consumed);
  if (!value || consumed != word.size()) return std::nullopt;
  return value;
}

bool startsNumber(std::string_view word) {
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) word.remove_prefix(1);
  if (!word.empty() && word[0] == '.') word.remove_prefix(1);
  return !word.empty() && isDigit(word[0]);
}

std::string joined(std::span<const std::string_view> words) {
  std::string out;
  for (const std::string_view word : words) {
    if (!out.empty()) out += ' ';
    out += word;
  }
  return out;
}

struct SourceTerm {
  Decimal value;
  std::vector<std::string_view> words;
};

/// Terms from the words after the first value: a number word starts a new
/// term once the current one has a unit. Absent when a term has no unit or
/// two numbers meet.
std::optional<std::vector<SourceTerm>> splitTerms(const Decimal& first, std::span<const std::string_view> words) {
  std::vector<SourceTerm> terms{{first, {}}};
  for (const std::string_view word : words) {
    if (startsNumber(word)) {
      std::size_t consumed = 0;
      const auto value = Decimal::fromString(word, consumed);
      if (value && terms.back().words.empty()) return std::nullopt;
      if (value) {
        terms.push_back({*value, {}});
        if (consumed < word.size()) terms.back().words.push_back(word.substr(consumed));
        continue;
      }
    }
    terms.back().words.push_back(word);
  }
  if (terms.back().words.empty()) return std::nullopt;
  return terms;
}

ConversionPhraseResult resolveTerms(const std::vector<SourceTerm>& terms, std::string_view target,
                                    std::optional<TalUnitCategory> within) {
  std::vector<std::string> texts;
  for (const SourceTerm& term : terms) texts.push_back(joined(term.words));
  std::vector<std::pair<Decimal, std::string_view>> pairs;
  for (std::size_t i = 0; i < terms.size(); ++i) pairs.emplace_back(terms[i].value, texts[i]);
  return resolve(pairs, target, within);
}

bool isSeparator(std::string_view word) {
  return std::any_of(std::begin(kSeparators), std::end(kSeparators),
                     [&](std::string_view separator) { return equalsIgnoringCase(word, separator); });
}

ConversionPhraseResult readWords(const Decimal& value, std::vector<std::string_view> words,
                                 std::optional<TalUnitCategory> within) {
  // With a separator: everything before the last one is the source.
  for (std::size_t k = words.size(); k-- > 0;) {
    if (!isSeparator(words[k])) continue;
    if (k + 1 == words.size() && equalsIgnoringCase(words[k], "in")) break;  // "1 ft in": the inch
    if (k + 1 == words.size())
      return error(UnitTextError::Kind::notANumber, std::string(words[k]),
                   "no unit after " + quoted(words[k]) + ": write \"<value> <unit> to <unit>\"");
    const auto terms = splitTerms(value, std::span(words).first(k));
    if (terms) {
      const std::string target = joined(std::span(words).subspan(k + 1));
      return resolveTerms(*terms, target, within);
    }
    break;  // "1 in cm": "in" was a unit
  }
  // Without one: the target is the end of the last term's words.
  auto terms = splitTerms(value, words);
  if (!terms || terms->back().words.size() < 2)
    return error(UnitTextError::Kind::notANumber, "", "no unit to convert to: write \"<value> <unit> to <unit>\"");
  std::vector<std::string_view> last = terms->back().words;
  std::optional<ConversionPhraseResult> firstFailure;
  // A target is a few words at most ("US gal/h", "nautical miles per hour").
  constexpr std::size_t kMaxTargetWords = 4;
  const std::size_t fewest = last.size() > kMaxTargetWords ? last.size() - kMaxTargetWords : 1;
  for (std::size_t k = last.size() - 1; k >= fewest; --k) {
    terms->back().words.assign(last.begin(), last.begin() + static_cast<std::ptrdiff_t>(k));
    const std::string target = joined(std::span(last).subspan(k));
    auto result = resolveTerms(*terms, target, within);
    if (std::holds_alternative<ConversionPhrase>(result)) return result;
    // The split that leaves the target a single word speaks for the rest.
    if (!firstFailure) firstFailure = std::move(result);
  }
  return std::move(*firstFailure);
}

/// Words split at white space, with "->", "→" and "=" words of their own.
std::vector<std::string_view> wordsOf(std::string_view text, std::string& storage) {
  storage.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view rest = text.substr(i);
    std::string_view separator;
    for (const std::string_view s : {std::string_view("->"), std::string_view("\u2192"), std::string_view("=")})
      if (rest.starts_with(s)) separator = s;
    if (separator.empty()) {
      storage += text[i];
      continue;
    }
    storage += ' ';
    storage += separator;
    storage += ' ';
    i += separator.size() - 1;
  }
  std::vector<std::string_view> words;
  const std::string_view all = storage;
  for (std::size_t i = 0; i < all.size();) {
    while (i < all.size() && isSpace(all[i])) ++i;
    const std::size_t start = i;
    while (i < all.size() && !isSpace(all[i])) ++i;
    if (i > start) words.push_back(all.substr(start, i - start));
  }
  return words;
}

}  // namespace

std::optional<Decimal> ConversionPhrase::convert() const {
  Decimal sum;
  for (const UnitTerm& term : terms) {
    const auto value = TalMeasurement::convert(term.value, term.unit, target);
    if (!value) return std::nullopt;
    sum += *value;
  }
  return sum;
}

std::vector<UnitMatch> UnitResolver::findAll(std::string_view text, std::optional<TalUnitCategory> within) {
  text = trimmed(text);
  std::vector<UnitMatch> matches;
  if (text.empty()) return matches;
  if (!within || *within == TalUnitCategory::currency) {
    if (auto currency = currencyMatch(text)) matches.push_back(std::move(*currency));
  }
  if (within && *within == TalUnitCategory::currency) return matches;
  const Index& idx = theIndex();
  for (const Ranked& hit : rankedHits(idx, text, within)) matches.push_back({idx.units[hit.unit], hit.kind});
  std::stable_sort(matches.begin(), matches.end(),
                   [](const UnitMatch& a, const UnitMatch& b) { return a.kind < b.kind; });
  return matches;
}

std::optional<TalUnit> UnitResolver::find(std::string_view text, std::optional<TalUnitCategory> within) {
  const std::string_view key = trimmed(text);
  const Index& idx = theIndex();
  // An id or symbol as written outranks every other reading.
  if (const auto* hits = lookup(idx.exact, key); hits != nullptr && !currencyCode(key)) {
    const Hit* best = nullptr;
    for (const Hit& hit : *hits) {
      if (within && idx.units[hit.unit].category() != *within) continue;
      if (best == nullptr || rankedBefore(idx, {hit.unit, hit.kind}, {best->unit, best->kind})) best = &hit;
    }
    if (best != nullptr) return idx.units[best->unit];
  }
  if (currencyCode(key) || (within && *within == TalUnitCategory::currency)) {
    auto all = findAll(key, within);
    if (all.empty()) return std::nullopt;
    return std::move(all.front().unit);
  }
  const std::vector<Ranked> ranked = rankedHits(idx, key, within);
  if (ranked.empty()) return std::nullopt;
  return idx.units[ranked.front().unit];
}

std::vector<TalUnit> UnitResolver::search(std::string_view text, std::size_t limit) {
  text = trimmed(text);
  std::vector<TalUnit> found;
  if (text.empty() || limit == 0) return found;
  const Index& idx = theIndex();
  const std::string query = lowered(text);
  const std::string folded = foldedKey(text);
  const std::size_t typoLimit = folded.size() >= 5 ? 2 : folded.size() >= 3 ? 1 : 0;

  struct Scored {
    std::size_t score;
    std::size_t order;
    std::size_t unit;
  };
  std::vector<Scored> scored;
  const std::vector<Ranked> exact = rankedHits(idx, text, std::nullopt);
  for (std::size_t i = 0; i < exact.size(); ++i) scored.push_back({0, i, exact[i].unit});
  for (std::size_t u = 0; u < idx.units.size(); ++u) {
    if (std::any_of(exact.begin(), exact.end(), [&](const Ranked& r) { return r.unit == u; })) continue;
    const SearchEntry& entry = idx.search[u];
    std::size_t score = 0;
    const std::size_t inName = entry.name.find(query);
    if (inName != std::string::npos && containsWord(entry.name, query))
      score = 1;
    else if (inName == 0 || entry.symbol.starts_with(query))
      score = 2;
    else if (inName != std::string::npos || entry.symbol.find(query) != std::string::npos)
      score = 3;
    else if (typoLimit > 0 && editDistance(folded, entry.folded, typoLimit) <= typoLimit)
      score = 4;
    if (score == 0) continue;
    const std::size_t order = idx.categoryOrdinal[u] * 1000 + std::min<std::size_t>(entry.name.size(), 999);
    scored.push_back({score, order, u});
  }
  std::sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
    if (a.score != b.score) return a.score < b.score;
    if (a.order != b.order) return a.order < b.order;
    return a.unit < b.unit;
  });
  for (std::size_t i = 0; i < scored.size() && found.size() < limit; ++i) found.push_back(idx.units[scored[i].unit]);
  return found;
}

std::optional<TalUnitCategory> UnitResolver::findCategory(std::string_view text) {
  const std::string key = foldedKey(trimmed(text));
  if (key.empty()) return std::nullopt;
  for (const TalUnitCategory category : TalUnitCategory::allCases())
    if (key == foldedKey(category.rawValue()) || key == foldedKey(category.displayName())) return category;
  return std::nullopt;
}

ConversionPhraseResult UnitResolver::readPhrase(std::string_view phrase, std::optional<TalUnitCategory> within) {
  const std::string text = westernDigits(phrase);
  std::size_t consumed = 0;
  const auto value = Decimal::fromString(text, consumed);
  if (!value) {
    return error(UnitTextError::Kind::notANumber, std::string(trimmed(phrase)),
                 quoted(trimmed(phrase)) + " does not begin with a number");
  }
  std::string storage;
  return readWords(*value, wordsOf(std::string_view(text).substr(consumed), storage), within);
}

ConversionPhraseResult UnitResolver::readConversion(std::string_view value, std::string_view from, std::string_view to,
                                                    std::optional<TalUnitCategory> within) {
  const std::string number = westernDigits(trimmed(value));
  const auto parsed = wholeNumber(number);
  if (!parsed) {
    return error(UnitTextError::Kind::notANumber, std::string(trimmed(value)),
                 quoted(trimmed(value)) + " is not a number");
  }
  const std::pair<Decimal, std::string_view> term{*parsed, from};
  return resolve(std::span(&term, 1), to, within);
}

}  // namespace tal
