#include "settings/ValueRules.h"

#include <algorithm>
#include <array>

namespace {

struct HintBand {
    std::int32_t below;
    std::string_view hint;
};

// Each band holds the values below its bound that no band before it holds.
constexpr std::array<HintBand, 6> kHintBands = {{
    {10000, "P 133"},
    {32000, "P 166"},
    {64000, "P 233"},
    {128000, "PII 266"},
    {256000, "PII 333"},
    {kPathSearchNodesHighest + 1, "PII 400"},
}};

}  // namespace

std::int32_t NormalizePathSearchNodes(std::int32_t value) {
    const auto clamped = std::clamp(value, kPathSearchNodesLowest, kPathSearchNodesHighest);
    return clamped / kPathSearchNodesStep * kPathSearchNodesStep;
}

std::optional<std::string> ProcessorHint(std::int32_t value) {
    for (const auto& band : kHintBands) {
        if (value < band.below) {
            return std::string(band.hint);
        }
    }
    return std::nullopt;
}

std::string EnsureTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '\\') {
        result += '\\';
    }
    return result;
}
