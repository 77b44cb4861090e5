// TalMeasurement: conversion of a decimal value between two units of one
// category — through the base unit, or by the temperature formulas, or by
// exact angle factors.
#pragma once

#include <functional>
#include <future>
#include <optional>
#include <span>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalUnit.h"

namespace tal {

/// Converts decimal values between units of one category: one target, a list of targets, or in the background;
/// absent when the categories differ.
class TAL_EXPORT TalMeasurement {
 public:
  /// `value` in `from` expressed in `to`. Absent for units of different
  /// categories (and where a temperature or angle conversion has no result);
  /// a zero divisor on the way gives NaN, which is returned as present.
  [[nodiscard]] static std::optional<Decimal> convert(const Decimal& value, const TalUnit& from, const TalUnit& to);

  /// `value` in `from` expressed in each unit of `to`: `results[i]` is what
  /// convert(value, from, to[i]) gives, while the part of the work that
  /// depends on `from` alone is done once. Nothing is allocated. Spans of
  /// different sizes are not an error: the first min(to.size(),
  /// results.size()) pairs are converted and any further results are set
  /// absent.
  static void convert(const Decimal& value, const TalUnit& from, std::span<const TalUnit> to,
                      std::span<std::optional<Decimal>> results);

  /// The single conversion, computed by platform::runInBackground (the app's executor or
  /// the library's pool). The future always becomes ready: called from
  /// inside background work, or after the pool has shut down at exit, the
  /// conversion runs inline and the future is ready on return.
  [[nodiscard]] static std::future<std::optional<Decimal>> convertValue(const Decimal& value, const TalUnit& from,
                                                                        const TalUnit& to);
  /// The same, handing the result to `completion` once, on the thread that
  /// computed it (inline under the same rules as above). False, and nothing
  /// computed, when `completion` is empty. An exception that escapes
  /// `completion` is caught and dropped there.
  static bool convertValue(const Decimal& value, const TalUnit& from, const TalUnit& to,
                           std::function<void(std::optional<Decimal>)> completion);
};

}  // namespace tal
