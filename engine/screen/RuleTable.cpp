#include <vantrel/screen/RuleTable.h>

namespace vantrel {

TransitionTable buildRuleTable(std::uint32_t weight, std::uint8_t softness) noexcept
{
    TransitionTable table;
    auto t = static_cast<std::int32_t>(weight > 256 ? 256 : weight);
    table.progress = static_cast<std::uint32_t>(t);
    if (t == 0) {
        return table;
    }
    std::int32_t start = (softness + 256) * t / 256 - 256;
    for (std::int32_t i = 0; i < 256; ++i) {
        std::int32_t v = start + i;
        std::uint8_t weight = 255;
        if (v < 0) {
            weight = 0;
        } else if (v < softness) {
            weight = static_cast<std::uint8_t>(v * 255 / softness);
        }
        table.weights[static_cast<std::size_t>(i)] = weight;
    }
    return table;
}

} // namespace vantrel
