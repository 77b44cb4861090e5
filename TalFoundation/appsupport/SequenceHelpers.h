// SequenceHelpers: unique(), the elements of a sequence without repeats,
// in order of first appearance.
#pragma once

#include <concepts>
#include <cstddef>
#include <functional>
#include <ranges>
#include <unordered_set>
#include <vector>

namespace tal {

/// Hashable and comparable, as unique() needs.
template <typename T>
concept HashableElement = std::equality_comparable<T> && requires(const T& value) {
  { std::hash<T>{}(value) } -> std::convertible_to<std::size_t>;
};

/// The elements of `sequence` in their order, keeping only the first of each
/// group of equal elements: 3, 1, 3, 2, 1 gives 3, 1, 2.
template <std::ranges::input_range R>
  requires HashableElement<std::ranges::range_value_t<R>> && std::copy_constructible<std::ranges::range_value_t<R>>
[[nodiscard]] std::vector<std::ranges::range_value_t<R>> unique(R&& sequence) {
  using T = std::ranges::range_value_t<R>;
  std::unordered_set<T> seen;
  std::vector<T> result;
  for (auto&& element : sequence) {
    if (seen.insert(element).second) result.push_back(element);
  }
  return result;
}

}  // namespace tal
