#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/GlyphData.h>
#include <vantrel/image/Image.h>
#include <vantrel/image/TransitionTable.h>

namespace vantrel {

// The six compositing operations. The destination is a 32-bit (Bgrx32) image; `clip`
// may be null (no move, no cut). Nothing is reported: empty results draw nothing.

void fillRect(Image& destination, const ClipRegion* clip, BlendMode mode, const Rect& rect,
              Color color, std::uint8_t opacity);

void drawImage(Image& destination, const ClipRegion* clip, BlendMode mode,
               const Rect& destinationRect, const Image& source, Point sourcePosition,
               std::uint8_t opacity);

void drawImageRect(Image& destination, const ClipRegion* clip, BlendMode mode,
                   const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                   std::uint8_t opacity, bool smooth);

void stretchImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                  const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                  std::uint8_t opacity, bool smooth);

void drawGlyphs(Image& destination, const ClipRegion* clip, BlendMode mode, Point origin,
                const GlyphData* glyphs, std::size_t count, Color color, std::uint8_t opacity);

void drawTransition(Image& destination, const Rect& rect, const Image& source,
                    Point sourcePosition, const Image& mask, Point maskPosition,
                    const TransitionTable& table);

} // namespace vantrel
