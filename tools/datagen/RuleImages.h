#pragma once

#include <cstdint>

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// Wipe patterns for the cross-fade. Brighter pixels change over first: as the
// transition advances, the threshold sweeps from 255 down to 0.
enum class RuleKind {
    LeftToRight,
    TopToBottom,
    Diagonal,
    Radial,
    Blinds,
    Dissolve,
    Clock,
    Diamonds,
    Clouds,
};

inline constexpr RuleKind allRuleKinds[] = {
    RuleKind::LeftToRight, RuleKind::TopToBottom, RuleKind::Diagonal,
    RuleKind::Radial,      RuleKind::Blinds,      RuleKind::Dissolve,
    RuleKind::Clock,       RuleKind::Diamonds,    RuleKind::Clouds,
};

GrayImage makeRuleImage(RuleKind kind, std::uint32_t width, std::uint32_t height);

} // namespace vantrel::datagen
