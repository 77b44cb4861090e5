// docs/snippets/units_from_text.cpp
#include <iostream>
#include <variant>

#include "TalFoundation/units/UnitResolver.h"

int main() {
  using namespace tal;

  // Every unit a text may mean, best first.
  for (const char* text : {"KM", "kilometres", "sq ft", "degC", "nmi", "gal", "cal"}) {
    std::cout << text << ":";
    for (const UnitMatch& match : UnitResolver::findAll(text)) std::cout << ' ' << match.unit.id();
    std::cout << '\n';
  }

  // Within one category, a text can mean something else.
  std::cout << "C in temperature: " << UnitResolver::find("C", TalUnitCategory::temperature)->name() << '\n';

  // A search box: whole words before prefixes, prefixes before the rest.
  std::cout << "search mile:";
  for (const TalUnit& unit : UnitResolver::search("mile", 4)) std::cout << " [" << unit.name() << ']';
  std::cout << '\n';

  // Conversion phrases: the value is read exactly, Arabic-Indic digits too.
  for (const char* text : {"5 ft 11 in to cm", "١٫٥ km → m", "100 F C", "1.5 kilomter mi", "1 km kg"}) {
    const ConversionPhraseResult read = UnitResolver::readPhrase(text);
    if (const auto* phrase = std::get_if<ConversionPhrase>(&read)) {
      std::cout << text << " = " << *phrase->convert() << ' ' << phrase->target.symbol() << '\n';
      continue;
    }
    const UnitTextError& error = std::get<UnitTextError>(read);
    if (error.kind == UnitTextError::Kind::unknownUnit)
      std::cout << text << ": no unit \"" << error.word << "\", perhaps " << error.suggestions.front().name() << '\n';
    else
      std::cout << text << ": " << error.message << '\n';
  }
}
