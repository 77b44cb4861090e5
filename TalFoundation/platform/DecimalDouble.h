// Conversion between Decimal and double with the rules the conversion roads
// need: absent rather than infinite or silently zero. Beside Decimal.h, so
// that units/ reaches it without numbertext/.
#pragma once

#include <optional>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {

/// The nearest double; absent for NaN, for values beyond the double range,
/// and for nonzero values that would become 0.
[[nodiscard]] TAL_EXPORT std::optional<double> toDouble(const Decimal& value) noexcept;

/// The double's 15 significant digits ("%.15g") as a decimal: 0.1 → 0.1.
/// Absent for infinities and NaN.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> toExactDecimal(double value) noexcept;

}  // namespace tal
