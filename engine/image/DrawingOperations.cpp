#include <vantrel/image/DrawingOperations.h>

#include <algorithm>
#include <cstdlib>

#include <vantrel/image/kernels/ClipBox.h>
#include <vantrel/image/kernels/KernelSets.h>
#include <vantrel/image/kernels/PixelWord.h>

// The front ends: clip, turn the opacity into a weight, pick one kernel per call. Every
// rectangle is cut to every image it touches here, so a kernel never reads or writes outside
// an image, whatever the caller passes; source positions move with the cut.
namespace vantrel {

namespace {

using kernels::ClipBox;

std::size_t modeIndex(BlendMode mode) noexcept
{
    return std::min<std::size_t>(static_cast<std::size_t>(mode), kernels::modeCount - 1);
}

std::size_t formatIndex(PixelFormat format, std::size_t count) noexcept
{
    return std::min<std::size_t>(static_cast<std::size_t>(format), count - 1);
}

std::size_t opacityClass(std::uint32_t weight) noexcept
{
    return weight == 256 ? 0 : 1;
}

// Kernels write whole 32-bit words.
bool isDrawable(const Image& destination) noexcept
{
    return destination.getPixels() != nullptr && bytesPerPixel(destination.getFormat()) == 4;
}

ClipBox moveByClip(const ClipBox& box, const ClipRegion* clip) noexcept
{
    return clip ? box.moved(clip->offset.x, clip->offset.y) : box;
}

ClipBox cutToClip(const ClipBox& box, const ClipRegion* clip) noexcept
{
    return clip ? kernels::cut(box, kernels::boxOf(clip->rect)) : box;
}

// Cuts `area` to where destination (x, y) reads (x + dx, y + dy) inside `source`.
ClipBox cutToSource(const ClipBox& area, const Image& source, std::int64_t dx,
                    std::int64_t dy) noexcept
{
    return kernels::cut(area, kernels::boundsOf(source).moved(-dx, -dy));
}

// Callers pass coordinates inside the image.
unsigned char* pixelAt(const Image& image, std::int64_t x, std::int64_t y,
                       std::size_t bytes) noexcept
{
    return image.row(static_cast<std::uint32_t>(y)) + static_cast<std::size_t>(x) * bytes;
}

unsigned char* pixelAt(const Image& image, std::int64_t x, std::int64_t y) noexcept
{
    return pixelAt(image, x, y, bytesPerPixel(image.getFormat()));
}

kernels::BlitJob blitJob(const Image& destination, const ClipBox& area,
                         std::uint32_t weight) noexcept
{
    kernels::BlitJob job;
    job.destination = pixelAt(destination, area.left, area.top);
    job.destinationPitch = destination.getPitch();
    job.width = static_cast<std::uint32_t>(area.width());
    job.height = static_cast<std::uint32_t>(area.height());
    job.weight = weight;
    return job;
}

// Scaled copies mix a column with the next one up to the first column c, found by walking
// left from the area's right edge while the source column of c plus one reaches the source
// width. That test only grows with c, so a binary search finds the same c.
std::uint32_t mixedColumnCount(const ClipBox& area, const ClipBox& target, std::uint64_t stepX,
                               std::uint64_t sourceWidth) noexcept
{
    const auto reachesEdge = [&](std::int64_t c) {
        return ((static_cast<std::uint64_t>(c - target.left) * stepX) >> 16) + 1 >= sourceWidth;
    };
    std::int64_t low = area.left;
    std::int64_t high = area.right + 1;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (reachesEdge(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    const std::int64_t c = std::clamp(low - 1, area.left, area.right);
    return static_cast<std::uint32_t>(c - area.left);
}

} // namespace

void fillRect(Image& destination, const ClipRegion* clip, BlendMode mode, const Rect& rect,
              Color color, std::uint8_t opacity)
{
    const std::uint32_t weight = kernels::blendWeight(opacity);
    if (weight == 0 || !isDrawable(destination)) {
        return;
    }
    const ClipBox area = kernels::cut(cutToClip(moveByClip(kernels::boxOf(rect), clip), clip),
                                      kernels::boundsOf(destination));
    if (area.isEmpty()) {
        return;
    }
    kernels::BlitJob job = blitJob(destination, area, weight);
    job.source = job.destination; // never read
    job.color = color.toWord();
    kernels::activeKernelSet().fill[modeIndex(mode)][opacityClass(weight)](job);
}

void drawImage(Image& destination, const ClipRegion* clip, BlendMode mode,
               const Rect& destinationRect, const Image& source, Point sourcePosition,
               std::uint8_t opacity)
{
    const std::uint32_t weight = kernels::blendWeight(opacity);
    if (weight == 0 || !isDrawable(destination)) {
        return;
    }
    const ClipBox placed = moveByClip(kernels::boxOf(destinationRect), clip);
    const std::int64_t dx = std::int64_t{sourcePosition.x} - placed.left;
    const std::int64_t dy = std::int64_t{sourcePosition.y} - placed.top;
    const ClipBox area = kernels::cut(cutToSource(cutToClip(placed, clip), source, dx, dy),
                                      kernels::boundsOf(destination));
    if (area.isEmpty()) {
        return;
    }
    kernels::BlitJob job = blitJob(destination, area, weight);
    job.source = pixelAt(source, area.left + dx, area.top + dy);
    job.sourcePitch = source.getPitch();
    kernels::activeKernelSet().image[modeIndex(mode)][opacityClass(weight)]
                                    [formatIndex(source.getFormat(), kernels::formatCount)](job);
}

void drawImageRect(Image& destination, const ClipRegion* clip, BlendMode mode,
                   const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                   std::uint8_t opacity, bool smooth)
{
    const ClipBox to = kernels::boxOf(destinationRect);
    const ClipBox from = kernels::boxOf(sourceRect);
    if (std::abs(to.width()) == std::abs(from.width()) &&
        std::abs(to.height()) == std::abs(from.height())) {
        drawImage(destination, clip, mode, destinationRect, source,
                  Point{sourceRect.left, sourceRect.top}, opacity);
    } else {
        stretchImage(destination, clip, mode, destinationRect, source, sourceRect, opacity, smooth);
    }
}

void stretchImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                  const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                  std::uint8_t opacity, bool smooth)
{
    const std::uint32_t weight = kernels::blendWeight(opacity);
    if (weight == 0 || !isDrawable(destination)) {
        return;
    }
    const ClipBox target = moveByClip(kernels::boxOf(destinationRect), clip);
    const ClipBox area = kernels::cut(cutToClip(target, clip), kernels::boundsOf(destination));
    // The source rectangle is cut to the source image; what remains fills the whole target.
    const ClipBox from = kernels::cut(kernels::boxOf(sourceRect), kernels::boundsOf(source));
    if (area.isEmpty() || from.isEmpty()) {
        return;
    }
    // `area` lies inside `target`, so neither target size is 0.
    const auto targetWidth = static_cast<std::uint64_t>(target.width());
    const auto targetHeight = static_cast<std::uint64_t>(target.height());
    const auto sourceWidth = static_cast<std::uint64_t>(from.width());
    const auto sourceHeight = static_cast<std::uint64_t>(from.height());

    kernels::StretchJob job;
    job.destination = pixelAt(destination, area.left, area.top);
    job.destinationPitch = destination.getPitch();
    job.width = static_cast<std::uint32_t>(area.width());
    job.height = static_cast<std::uint32_t>(area.height());
    job.source = source.getPixels();
    job.sourcePitch = source.getPitch();
    job.sourceWidth = source.getWidth();
    job.stepX = (sourceWidth << 16) / targetWidth;
    job.stepY = (sourceHeight << 16) / targetHeight;
    job.x0 = static_cast<std::uint64_t>(area.left - target.left) * job.stepX +
             (static_cast<std::uint64_t>(from.left) << 16);
    job.y0 = static_cast<std::uint64_t>(area.top - target.top) * job.stepY +
             (static_cast<std::uint64_t>(from.top) << 16);
    job.smooth = smooth;
    if (smooth) {
        job.mixedColumns = mixedColumnCount(area, target, job.stepX, sourceWidth);
        job.lastRow = static_cast<std::uint32_t>(from.bottom - 1);
    }
    job.weight = weight;
    kernels::activeKernelSet().stretch[modeIndex(mode)][opacityClass(weight)]
                                      [formatIndex(source.getFormat(), kernels::formatCount)](job);
}

void drawGlyphs(Image& destination, const ClipRegion* clip, BlendMode mode, Point origin,
                const GlyphData* glyphs, std::size_t count, Color color, std::uint8_t opacity)
{
    const std::uint32_t weight = kernels::blendWeight(opacity);
    if (weight == 0 || glyphs == nullptr || !isDrawable(destination)) {
        return;
    }
    const kernels::BlitKernel kernel =
        kernels::activeKernelSet().glyphs[modeIndex(mode)][opacityClass(weight)];
    const ClipBox bounds = kernels::boundsOf(destination);
    std::int64_t penX = origin.x;
    std::int64_t penY = origin.y;
    for (std::size_t i = 0; i < count; ++i) {
        const GlyphData& glyph = glyphs[i];
        const std::int64_t left = penX + glyph.offset.x;
        const std::int64_t top = penY + glyph.offset.y;
        penX += glyph.advance.x;
        penY += glyph.advance.y;
        if (!glyph.image) {
            continue;
        }
        const Image& coverage = *glyph.image;
        const ClipBox placed = moveByClip(
            ClipBox{left, top, left + coverage.getWidth(), top + coverage.getHeight()}, clip);
        const ClipBox area = kernels::cut(
            cutToSource(cutToClip(placed, clip), coverage, -placed.left, -placed.top), bounds);
        if (area.isEmpty()) {
            continue;
        }
        // One coverage byte per pixel, whatever the glyph image's format says.
        kernels::BlitJob job = blitJob(destination, area, weight);
        job.source = pixelAt(coverage, area.left - placed.left, area.top - placed.top, 1);
        job.sourcePitch = coverage.getPitch();
        job.color = color.toWord();
        kernel(job);
    }
}

void drawTransition(Image& destination, const Rect& rect, const Image& source, Point sourcePosition,
                    const Image& mask, Point maskPosition, const TransitionTable& table)
{
    if (table.progress == 0 || !isDrawable(destination)) {
        return;
    }
    const ClipBox placed = kernels::boxOf(rect);
    const std::int64_t sourceX = std::int64_t{sourcePosition.x} - placed.left;
    const std::int64_t sourceY = std::int64_t{sourcePosition.y} - placed.top;
    const std::int64_t maskX = std::int64_t{maskPosition.x} - placed.left;
    const std::int64_t maskY = std::int64_t{maskPosition.y} - placed.top;
    const ClipBox area =
        kernels::cut(cutToSource(cutToSource(placed, source, sourceX, sourceY), mask, maskX, maskY),
                     kernels::boundsOf(destination));
    if (area.isEmpty()) {
        return;
    }
    kernels::TransitionJob job;
    job.destination = pixelAt(destination, area.left, area.top);
    job.destinationPitch = destination.getPitch();
    job.source = pixelAt(source, area.left + sourceX, area.top + sourceY);
    job.sourcePitch = source.getPitch();
    job.mask = pixelAt(mask, area.left + maskX, area.top + maskY, 1);
    job.maskPitch = mask.getPitch();
    job.width = static_cast<std::uint32_t>(area.width());
    job.height = static_cast<std::uint32_t>(area.height());
    job.table = &table;
    kernels::activeKernelSet()
        .transition[formatIndex(source.getFormat(), kernels::transitionFormatCount)](job);
}

} // namespace vantrel
