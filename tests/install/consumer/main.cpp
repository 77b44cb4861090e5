// Fails unless the installed headers and library agree on a real result.
#include <TalFoundation/TalFoundation.h>

int main() {
  const auto third = tal::Decimal(1) / tal::Decimal(3);
  return third.description() == "0.33333333333333333333333333333333333333" ? 0 : 1;
}
