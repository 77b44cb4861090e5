// Fails unless the installed headers and library agree on real results: one
// from the decimal arithmetic, one that goes through ICU's locale data.
#include <TalFoundation/TalFoundation.h>

#include <string>

int main() {
  const auto third = tal::Decimal(1) / tal::Decimal(3);
  const bool divided = third.description() == "0.33333333333333333333333333333333333333";
  const tal::Locale egypt("ar_EG");
  const bool localised = egypt.numberingSystemIdentifier() == "arab";
  return divided && localised ? 0 : 1;
}
