#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/sprite/DrawCommand.h>

namespace vantrel {

// Per row of an image, whether every pixel of it is opaque.
using OpaqueRows = std::vector<std::uint8_t>;

// Where a draw command sets every pixel it covers, whatever lay below it.
class OpaqueCover {
public:
    // Render side. Null: nowhere; an empty table: everywhere in its bounds; else the table
    // of its image's opaque rows. A table stays while its image lives.
    const OpaqueRows* rowsOf(const DrawCommand& command, const DrawResources& resources);

    // Worker side: whether the command sets every pixel of `rect`.
    static bool paintsOver(const DrawCommand& command, const OpaqueRows* rows, const Rect& rect);

private:
    std::vector<std::pair<std::weak_ptr<const Image>, std::shared_ptr<const OpaqueRows>>> images;
};

} // namespace vantrel
