#include "TalFoundation/catalogues/TalUnitDataStorage.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitInformationStorage;
  // Never destroyed, so work still running at exit can read it.
  // Every symbol is localised, so every row carries its symbol key.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::dataStorage, {
      //      name         symbol          coefficient                     platform unit
      UnitRow("Byte",      platformSymbol, 8.0_dec,                        UnitInformationStorage::bytes())
          .key("unit_datastorage_B").symbolKey("unit_datastorage_B"),
      UnitRow("Bit",       platformSymbol, 1.0_dec,                        UnitInformationStorage::bits())
          .base().key("unit_datastorage_b").symbolKey("unit_datastorage_b"),
      UnitRow("Kilobit",   platformSymbol, 1000.0_dec,                     UnitInformationStorage::kilobits())
          .symbolKey("unit_datastorage_kb"),
      UnitRow("Megabit",   platformSymbol, pow(1000.0_dec, 2),             UnitInformationStorage::megabits())
          .symbolKey("unit_datastorage_Mb"),
      UnitRow("Gigabit",   platformSymbol, pow(1000.0_dec, 3),             UnitInformationStorage::gigabits())
          .symbolKey("unit_datastorage_Gb"),
      UnitRow("Terabit",   platformSymbol, pow(1000.0_dec, 4),             UnitInformationStorage::terabits())
          .symbolKey("unit_datastorage_Tb"),
      UnitRow("Petabit",   platformSymbol, pow(1000.0_dec, 5),             UnitInformationStorage::petabits())
          .symbolKey("unit_datastorage_Pb"),
      UnitRow("Exabit",    platformSymbol, pow(1000.0_dec, 6),             UnitInformationStorage::exabits())
          .symbolKey("unit_datastorage_Eb"),
      UnitRow("Zettabit",  platformSymbol, pow(1000.0_dec, 7),             UnitInformationStorage::zettabits())
          .symbolKey("unit_datastorage_Zb"),
      UnitRow("Yottabit",  platformSymbol, pow(1000.0_dec, 8),             UnitInformationStorage::yottabits())
          .symbolKey("unit_datastorage_Yb"),
      UnitRow("Kilobyte",  platformSymbol, 8.0_dec * 1000.0_dec,           UnitInformationStorage::kilobytes())
          .symbolKey("unit_datastorage_kB"),
      UnitRow("Megabyte",  platformSymbol, 8.0_dec * pow(1000.0_dec, 2),   UnitInformationStorage::megabytes())
          .symbolKey("unit_datastorage_MB"),
      UnitRow("Gigabyte",  platformSymbol, 8.0_dec * pow(1000.0_dec, 3),   UnitInformationStorage::gigabytes())
          .symbolKey("unit_datastorage_GB"),
      UnitRow("Terabyte",  platformSymbol, 8.0_dec * pow(1000.0_dec, 4),   UnitInformationStorage::terabytes())
          .symbolKey("unit_datastorage_TB"),
      UnitRow("Petabyte",  platformSymbol, 8.0_dec * pow(1000.0_dec, 5),   UnitInformationStorage::petabytes())
          .symbolKey("unit_datastorage_PB"),
      UnitRow("Exabyte",   platformSymbol, 8.0_dec * pow(1000.0_dec, 6),   UnitInformationStorage::exabytes())
          .symbolKey("unit_datastorage_EB"),
      UnitRow("Zettabyte", platformSymbol, 8.0_dec * pow(1000.0_dec, 7),   UnitInformationStorage::zettabytes())
          .symbolKey("unit_datastorage_ZB"),
      UnitRow("Yottabyte", platformSymbol, 8.0_dec * pow(1000.0_dec, 8),   UnitInformationStorage::yottabytes())
          .symbolKey("unit_datastorage_YB"),
      UnitRow("Kibibit",   platformSymbol, 1024.0_dec,                     UnitInformationStorage::kibibits())
          .symbolKey("unit_datastorage_Kib"),
      UnitRow("Mebibit",   platformSymbol, pow(1024.0_dec, 2),             UnitInformationStorage::mebibits())
          .symbolKey("unit_datastorage_Mib"),
      UnitRow("Gibibit",   platformSymbol, pow(1024.0_dec, 3),             UnitInformationStorage::gibibits())
          .symbolKey("unit_datastorage_Gib"),
      UnitRow("Tebibit",   platformSymbol, pow(1024.0_dec, 4),             UnitInformationStorage::tebibits())
          .symbolKey("unit_datastorage_Tib"),
      UnitRow("Pebibit",   platformSymbol, pow(1024.0_dec, 5),             UnitInformationStorage::pebibits())
          .symbolKey("unit_datastorage_Pib"),
      UnitRow("Exbibit",   platformSymbol, pow(1024.0_dec, 6),             UnitInformationStorage::exbibits())
          .symbolKey("unit_datastorage_Eib"),
      UnitRow("Zebibit",   platformSymbol, pow(1024.0_dec, 7),             UnitInformationStorage::zebibits())
          .symbolKey("unit_datastorage_Zib"),
      UnitRow("Yobibit",   platformSymbol, pow(1024.0_dec, 8),             UnitInformationStorage::yobibits())
          .symbolKey("unit_datastorage_Yib"),
      UnitRow("Kibibyte",  platformSymbol, 8.0_dec * 1024.0_dec,           UnitInformationStorage::kibibytes())
          .symbolKey("unit_datastorage_KiB"),
      UnitRow("Mebibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 2),   UnitInformationStorage::mebibytes())
          .symbolKey("unit_datastorage_MiB"),
      UnitRow("Gibibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 3),   UnitInformationStorage::gibibytes())
          .symbolKey("unit_datastorage_GiB"),
      UnitRow("Tebibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 4),   UnitInformationStorage::tebibytes())
          .symbolKey("unit_datastorage_TiB"),
      UnitRow("Pebibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 5),   UnitInformationStorage::pebibytes())
          .symbolKey("unit_datastorage_PiB"),
      UnitRow("Exbibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 6),   UnitInformationStorage::exbibytes())
          .symbolKey("unit_datastorage_EiB"),
      UnitRow("Zebibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 7),   UnitInformationStorage::zebibytes())
          .symbolKey("unit_datastorage_ZiB"),
      UnitRow("Yobibyte",  platformSymbol, 8.0_dec * pow(1024.0_dec, 8),   UnitInformationStorage::yobibytes())
          .symbolKey("unit_datastorage_YiB"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitDataStorage::allUnits() { return units(); }

}  // namespace tal
