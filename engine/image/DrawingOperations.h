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

/// @file
/// The six compositing operations. The destination is a 32-bit (Bgrx32) image; `clip`
/// may be null (no move, no cut). Nothing is reported: empty results draw nothing.

/// Fills `rect` with `color`.
void fillRect(Image& destination, const ClipRegion* clip, BlendMode mode, const Rect& rect,
              Color color, std::uint8_t opacity);

/// Draws `source` from `sourcePosition` into `destinationRect`, at its own size.
void drawImage(Image& destination, const ClipRegion* clip, BlendMode mode,
               const Rect& destinationRect, const Image& source, Point sourcePosition,
               std::uint8_t opacity);

/// Draws `sourceRect` of `source` into `destinationRect`: at its own size when the sizes
/// match, otherwise as stretchImage does.
void drawImageRect(Image& destination, const ClipRegion* clip, BlendMode mode,
                   const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                   std::uint8_t opacity, bool smooth);

/// Scales `sourceRect` of `source` to fill `destinationRect`, bilinear when `smooth`,
/// nearest-pixel otherwise.
void stretchImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                  const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                  std::uint8_t opacity, bool smooth);

/// Draws `count` glyphs in `color`, the pen starting at `origin`.
void drawGlyphs(Image& destination, const ClipRegion* clip, BlendMode mode, Point origin,
                const GlyphData* glyphs, std::size_t count, Color color, std::uint8_t opacity);

/// Cross-fades `rect` of the destination towards `source` (from `sourcePosition`), each
/// pixel weighted by `table` through its value in the rule `mask` (from `maskPosition`).
void drawTransition(Image& destination, const Rect& rect, const Image& source,
                    Point sourcePosition, const Image& mask, Point maskPosition,
                    const TransitionTable& table);

} // namespace vantrel
