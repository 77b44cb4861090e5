// docs/snippets/readme.cpp
#include <iostream>

#include <TalFoundation/TalFoundation.h>

int main() {
  using namespace tal::literals;

  const tal::Decimal third = tal::Decimal(1) / tal::Decimal(3);
  std::cout << third.description() << '\n';                               // 38 digits, rounded half to even
  std::cout << std::boolalpha << (0.1_dec + 0.2_dec == 0.3_dec) << '\n';  // decimal literals are exact
  std::cout << *tal::Decimal::fromString(" 12abc") << '\n';               // the number at the start of the text
  std::cout << tal::Decimal::fromString("abc").has_value() << '\n';       // absent for text that is not a number
}
