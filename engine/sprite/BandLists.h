#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include <vantrel/sprite/DrawCommand.h>

namespace vantrel {

// For each band, the indices of the commands that touch its rows, in drawing order, so a
// band's drawing walks its own few commands instead of every command of the layer.
// Commands without rows draw nothing and are in no list.
class BandLists {
public:
    // Bands of `bandHeight` rows over a frame of `height` rows, as the drawer cuts them.
    void build(const DrawCommands& commands, std::uint32_t bandHeight, std::uint32_t bandCount,
               std::uint32_t height);
    std::span<const std::uint32_t> of(std::uint32_t band) const noexcept;
    void clear() noexcept;

private:
    std::vector<std::uint32_t> starts; // band b's indices are entries[starts[b], starts[b + 1])
    std::vector<std::uint32_t> entries;
    std::vector<std::uint32_t> filling;
};

} // namespace vantrel
