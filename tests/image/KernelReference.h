#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/GlyphData.h>
#include <vantrel/image/Image.h>
#include <vantrel/image/TransitionTable.h>

// The drawing operations written the slow, obvious way: one pixel and one channel at a time,
// deciding everything per pixel. The engine's kernels must match these bit for bit.
namespace reference {

void fillRect(vantrel::Image& destination, const vantrel::ClipRegion* clip, vantrel::BlendMode mode,
              const vantrel::Rect& rect, vantrel::Color color, std::uint8_t opacity);

void drawImage(vantrel::Image& destination, const vantrel::ClipRegion* clip,
               vantrel::BlendMode mode, const vantrel::Rect& destinationRect,
               const vantrel::Image& source, vantrel::Point sourcePosition, std::uint8_t opacity);

void stretchImage(vantrel::Image& destination, const vantrel::ClipRegion* clip,
                  vantrel::BlendMode mode, const vantrel::Rect& destinationRect,
                  const vantrel::Image& source, const vantrel::Rect& sourceRect,
                  std::uint8_t opacity, bool smooth);

void drawGlyphs(vantrel::Image& destination, const vantrel::ClipRegion* clip,
                vantrel::BlendMode mode, vantrel::Point origin, const vantrel::GlyphData* glyphs,
                std::size_t count, vantrel::Color color, std::uint8_t opacity);

void drawTransition(vantrel::Image& destination, const vantrel::Rect& rect,
                    const vantrel::Image& source, vantrel::Point sourcePosition,
                    const vantrel::Image& mask, vantrel::Point maskPosition,
                    const vantrel::TransitionTable& table);

} // namespace reference
