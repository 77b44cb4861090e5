// docs/snippets/digits.cpp
#include <iostream>
#include <optional>
#include <string>

#include "TalFoundation/numbertext/DigitConversion.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/numbertext/NumberFormatter.h"
#include "TalFoundation/numbertext/NumberingSystemInfo.h"

int main() {
  using namespace tal;

  const Locale egypt("ar_EG");
  std::cout << egypt.identifier() << " writes numbers in " << egypt.numberingSystemIdentifier() << '\n';

  // A formatter starts with the locale's digits, separators and grouping.
  const NumberFormatter formatter(egypt);
  std::cout << *formatter.format(1234567.891_dec) << '\n';

  // Digits of text the user typed, both ways.
  std::cout << convertEnglishNumbersToEastArabic("2.5 km", egypt) << '\n';
  const std::string typed = "١٢٣٫٤٥";
  std::cout << convertEastArabicNumbersToEnglish(typed, egypt) << '\n';
  const std::optional<Decimal> value = toDoubleFromEastArabic<Decimal>(typed, egypt);
  std::cout << *value * Decimal(2) << '\n';

  std::cout << "the ten digits:";
  for (const std::string& digit : NumberingSystemInfo::forLocale(egypt).digits()) std::cout << ' ' << digit;
  std::cout << '\n';
}
