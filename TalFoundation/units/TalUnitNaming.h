// The forms of the localisation keys that units and categories hand out,
// and the numerals a display text holds, so the app can render them in the
// user's digits without parsing the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/TalUnitRegion.h"

namespace tal {

/// "unit_" + raw value + "_" + symbol: "unit_pressure_Pa".
[[nodiscard]] TAL_EXPORT std::string symbolFormKey(TalUnitCategory category, std::string_view symbol);
/// "unit_" + raw value + "_" + three letters + "_" + token: "unit_mass_HKG_catty".
/// The region part is always the plain three letters.
[[nodiscard]] TAL_EXPORT std::string regionalFormKey(TalUnitCategory category, TalUnitRegion region, std::string_view token);
/// "unit_" + raw value + "_$" + the name with spaces as underscores: "unit_length_$Nautical_Mile".
[[nodiscard]] TAL_EXPORT std::string nameFormKey(TalUnitCategory category, std::string_view name);
/// "unit_share_" + symbol, for a unit two categories share: "unit_share_rpm".
[[nodiscard]] TAL_EXPORT std::string sharedFormKey(std::string_view symbol);

/// The numerals a reader sees in `text`, in order, as ASCII with "." as the
/// decimal point; superscript digits count as their plain digits ("m²" → "2").
/// Invalid UTF-8 bytes are skipped.
[[nodiscard]] TAL_EXPORT std::vector<std::string> numeralsIn(std::string_view text);

}  // namespace tal
