#include "TalFoundation/numbertext/Locale.h"

#include <unicode/locid.h>
#include <unicode/numsys.h>

#include <array>
#include <memory>

#include "TalFoundation/numbertext/detail/IcuText.h"

namespace tal {
namespace {

std::string nameOf(const icu::Locale& locale) { return locale.isBogus() ? std::string() : std::string(locale.getName()); }

std::optional<std::string> nonEmpty(const char* text) {
  if (text == nullptr || *text == '\0') return std::nullopt;
  return std::string(text);
}

struct FormulaDirection {
  std::string_view key;
  bool leftToRight;
};

// Where formulas read left to right even in a right-to-left language, and
// the Arabic regions (and N'Ko) where they read right to left.
constexpr std::array<FormulaDirection, 31> kFormulaDirections{{
    {"he", true},     {"fa", true},     {"ur", true},     {"pa", true},     {"ar_MA", true},  {"ar", true},
    {"nqo", false},   {"ar_DZ", false}, {"ar_TN", false}, {"ar_LY", false}, {"ar_MR", false}, {"ar_EG", false},
    {"ar_IQ", false}, {"ar_SA", false}, {"ar_YE", false}, {"ar_SD", false}, {"ar_JO", false}, {"ar_LB", false},
    {"ar_SY", false}, {"ar_PS", false}, {"ar_KW", false}, {"ar_AE", false}, {"ar_QA", false}, {"ar_BH", false},
    {"ar_OM", false}, {"ar_DJ", false}, {"ar_SO", false}, {"ar_KM", false}, {"ar_ER", false}, {"ar_TD", false},
    {"ar_NE", false},
}};

std::optional<bool> formulaDirectionOf(std::string_view key) {
  for (const FormulaDirection& row : kFormulaDirections) {
    if (row.key == key) return row.leftToRight;
  }
  return std::nullopt;
}

}  // namespace

Locale::Locale(std::string_view identifier) : identifier_(nameOf(icu::Locale(std::string(identifier).c_str()))) {}

Locale Locale::current() { return Locale(Canonical{}, nameOf(icu::Locale::getDefault())); }

bool Locale::setCurrent(const Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(numbertext_detail::toIcu(locale), status);
  return U_SUCCESS(status);
}

std::optional<std::string> Locale::talLanguageCode() const {
  return nonEmpty(numbertext_detail::toIcu(*this).getLanguage());
}

std::optional<std::string> Locale::talScriptCode() const { return nonEmpty(numbertext_detail::toIcu(*this).getScript()); }

std::optional<std::string> Locale::talRegionCode() const { return nonEmpty(numbertext_detail::toIcu(*this).getCountry()); }

bool Locale::isRightToLeftScript() const { return numbertext_detail::toIcu(*this).isRightToLeft() != 0; }

bool Locale::isFormulaLeftToRight() const {
  if (const auto byIdentifier = formulaDirectionOf(identifier_)) return *byIdentifier;
  if (const auto byLanguage = formulaDirectionOf(talLanguageCode().value_or(std::string()))) return *byLanguage;
  return true;
}

std::string Locale::numberingSystemIdentifier() const {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::NumberingSystem> system(
      icu::NumberingSystem::createInstance(numbertext_detail::toIcuWithData(*this), status));
  if (U_FAILURE(status) || !system || system->getName() == nullptr) return "latn";
  return system->getName();
}

bool Locale::isUsingEasternArabicNumberingSystem() const {
  const std::string system = numberingSystemIdentifier();
  return system == "arab" || system == "arabext";
}

Locale Locale::ignoreSpecsLocalize() const {
  // The current locale decides whether there are keywords to drop, as the
  // app reads this on the current locale.
  const Locale now = current();
  const std::size_t at = now.identifier_.find('@');
  if (at == std::string::npos) return *this;
  return Locale(std::string_view(now.identifier_).substr(0, at));
}

}  // namespace tal
