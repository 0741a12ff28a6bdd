#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the Path Search Nodes value is edited: every value held is a multiple
// of the step between the lowest and the highest value.
inline constexpr std::int32_t kPathSearchNodesLowest = 2000;
inline constexpr std::int32_t kPathSearchNodesHighest = 400000;
inline constexpr std::int32_t kPathSearchNodesStep = 1000;
inline constexpr std::int32_t kPathSearchNodesSmallChange = 1000;
inline constexpr std::int32_t kPathSearchNodesLargeChange = 10000;
inline constexpr std::int32_t kPathSearchNodesPageSize = 1000;
inline constexpr std::int32_t kPathSearchNodesInitial = 4000;

// The value the editor holds for any value: clamped to the range, then
// rounded down to a multiple of the step.
std::int32_t NormalizePathSearchNodes(std::int32_t value);

// The class of processor a value calls for ("P 133" up to "PII 400"); nothing
// above the highest value, where the display keeps the hint it had.
std::optional<std::string> ProcessorHint(std::int32_t value);

// The folder path with one backslash appended unless it already ends in one;
// only the backslash counts as a separator. The empty text stays empty: an
// emptied CD field is saved as the empty alias the user left, not as "\",
// which would name the root of whatever drive is current.
std::string EnsureTrailingBackslash(std::string_view path);
