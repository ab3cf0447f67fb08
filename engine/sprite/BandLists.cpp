#include <vantrel/sprite/BandLists.h>

#include <algorithm>

#include <vantrel/sprite/CommandMatch.h>

namespace vantrel {

namespace {

Rect rowsOf(std::uint32_t band, std::uint32_t bandHeight, std::uint32_t height)
{
    std::uint64_t top = std::min<std::uint64_t>(std::uint64_t{band} * bandHeight, height);
    std::uint64_t bottom = std::min<std::uint64_t>(top + bandHeight, height);
    return Rect{0, static_cast<std::int32_t>(top), 0, static_cast<std::int32_t>(bottom)};
}

// Calls `visit` for each band whose rows the command touches.
template <class Visit>
void forEachBand(const DrawCommand& command, std::uint32_t bandHeight, std::uint32_t bandCount,
                 std::uint32_t height, Visit visit)
{
    const Rect& bounds = command.bounds;
    if (bounds.top >= bounds.bottom || bounds.bottom <= 0) {
        return;
    }
    const auto top = static_cast<std::uint64_t>(std::max(bounds.top, 0));
    const auto bottom = static_cast<std::uint64_t>(bounds.bottom);
    // Bands past the frame's last row have no rows but are matched like the others, so
    // the candidates run one band further than the rows need.
    const auto first = std::min<std::uint64_t>(top / bandHeight, bandCount);
    const auto last = std::min<std::uint64_t>((bottom + bandHeight - 1) / bandHeight + 1, bandCount);
    for (auto band = static_cast<std::uint32_t>(first); band < last; ++band) {
        if (touchesRows(command, rowsOf(band, bandHeight, height))) {
            visit(band);
        }
    }
}

} // namespace

void BandLists::build(const DrawCommands& commands, std::uint32_t bandHeight,
                      std::uint32_t bandCount, std::uint32_t height)
{
    starts.assign(std::size_t{bandCount} + 1, 0);
    entries.clear();
    if (bandHeight == 0) {
        return;
    }
    for (const DrawCommand& command : commands) {
        forEachBand(command, bandHeight, bandCount, height,
                    [&](std::uint32_t band) { ++starts[band + 1]; });
    }
    for (std::uint32_t band = 0; band < bandCount; ++band) {
        starts[band + 1] += starts[band];
    }
    entries.resize(starts[bandCount]);
    filling.assign(starts.begin(), starts.end() - 1);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        forEachBand(commands[i], bandHeight, bandCount, height, [&](std::uint32_t band) {
            entries[filling[band]++] = static_cast<std::uint32_t>(i);
        });
    }
}

std::span<const std::uint32_t> BandLists::of(std::uint32_t band) const noexcept
{
    if (std::size_t{band} + 1 >= starts.size()) {
        return {};
    }
    return std::span<const std::uint32_t>(entries.data() + starts[band], starts[band + 1] - starts[band]);
}

void BandLists::clear() noexcept
{
    starts.clear();
    entries.clear();
}

} // namespace vantrel
