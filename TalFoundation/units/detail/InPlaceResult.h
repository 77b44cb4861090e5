// Building a conversion's result where the caller keeps it.
#pragma once

#include <optional>
#include <utility>

#include "TalFoundation/platform/Decimal.h"

namespace tal::detail {

/// A result built where it is kept: optional::emplace(Computed{f}) and
/// optional(in_place, Computed{f}) let f's returned value initialise the
/// optional's storage itself. Assigning f() instead copies a value just
/// written field by field as one wide load, which waits for those stores
/// to retire; in a list conversion that wait was a tenth of the time.
template <class F>
struct Computed {
  F make;
  operator Decimal() const { return make(); }  // NOLINT(google-explicit-constructor)
};
// Clang before 17 deduces no aggregate's arguments without a guide.
template <class F>
Computed(F) -> Computed<F>;

template <class F>
std::optional<Decimal> computed(F make) {
  return std::optional<Decimal>(std::in_place, Computed<F>{std::move(make)});
}

}  // namespace tal::detail
