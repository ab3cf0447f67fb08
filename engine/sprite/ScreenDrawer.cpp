#include <vantrel/sprite/ScreenDrawer.h>

#include <algorithm>
#include <utility>

#include <vantrel/image/DrawingOperations.h>
#include <vantrel/sprite/CommandMatch.h>
#include <vantrel/sprite/DrawerState.h>
#include <vantrel/sprite/SpriteManager.h>

namespace vantrel {

namespace {

void clearSpans(std::vector<BandSpan>& spans)
{
    std::fill(spans.begin(), spans.end(), BandSpan{});
}

BandSpan uniteSpans(const BandSpan& a, const BandSpan& b)
{
    if (a.isEmpty()) {
        return b;
    }
    if (b.isEmpty()) {
        return a;
    }
    return BandSpan{std::min(a.left, b.left), std::max(a.right, b.right)};
}

void drawCommand(Image& destination, const ClipRegion& clip, const DrawCommand& command)
{
    switch (command.kind) {
    case DrawCommandKind::Fill:
        fillRect(destination, &clip, command.blendMode, command.bounds, command.color,
                 command.opacity);
        break;
    case DrawCommandKind::Glyphs:
        drawGlyphs(destination, &clip, command.blendMode, command.origin, command.glyphs,
                   static_cast<std::size_t>(command.count), command.color, command.opacity);
        break;
    case DrawCommandKind::ImageRect:
        drawImageRect(destination, &clip, command.blendMode, command.bounds, *command.image,
                      command.sourceRect, command.opacity, command.smooth);
        break;
    default:
        drawImage(destination, &clip, command.blendMode, command.bounds, *command.image,
                  command.sourcePosition, command.opacity);
        break;
    }
}

void copyPixels(Image& to, const Rect& toRect, const Image& from, Point fromPosition)
{
    drawImage(to, nullptr, BlendMode::Normal, toRect, from, fromPosition, 255);
}

std::uint64_t area(const Rect& rect)
{
    return std::uint64_t(rect.width()) * std::uint64_t(rect.height());
}

} // namespace

ScreenDrawer::ScreenDrawer(std::weak_ptr<SpriteManager> manager, std::uint32_t width,
                           std::uint32_t height, std::uint32_t requestedBandHeight)
    : manager(std::move(manager)), width(width), height(height),
      // A band is at least one row, even for frames wider than a whole band budget.
      bandHeight(std::max<std::uint32_t>(1, std::min(requestedBandHeight, height))),
      bandCount(static_cast<std::uint32_t>((std::uint64_t{height} + bandHeight + 1) / bandHeight)),
      state(std::make_unique<State>())
{
    for (FrameState* frame : {&state->pending, &state->ready, &state->current}) {
        frame->bands.assign(bandCount, BandSpan{});
    }
    state->previousBands.assign(bandCount, BandSpan{});
}

ScreenDrawer::~ScreenDrawer() = default;

Rect ScreenDrawer::bandRows(std::uint32_t band) const noexcept
{
    std::uint64_t top = std::min<std::uint64_t>(std::uint64_t{band} * bandHeight, height);
    std::uint64_t bottom = std::min<std::uint64_t>(top + bandHeight, height);
    return Rect{0, static_cast<std::int32_t>(top), 0, static_cast<std::int32_t>(bottom)};
}

void ScreenDrawer::invalidate(const Rect& rect)
{
    if (rect.left >= rect.right || rect.top >= rect.bottom || width == 0 || height == 0) {
        return;
    }
    auto w = static_cast<std::int64_t>(width);
    auto h = static_cast<std::int64_t>(height);
    if (rect.left > w || rect.right < 0 || rect.top > h || rect.bottom < 0) {
        return;
    }
    Rect clamped{std::max(rect.left, 0), std::max(rect.top, 0),
                 static_cast<std::int32_t>(std::min<std::int64_t>(rect.right, w)),
                 static_cast<std::int32_t>(std::min<std::int64_t>(rect.bottom, h))};
    if (clamped.isEmpty()) {
        return;
    }
    auto first = static_cast<std::uint32_t>(clamped.top) / bandHeight;
    auto last = std::min<std::uint32_t>(
        bandCount,
        static_cast<std::uint32_t>((std::uint64_t(clamped.bottom) + bandHeight - 1) / bandHeight));
    FrameState& pending = state->pending;
    for (std::uint32_t band = first; band < last; ++band) {
        pending.bands[band] = uniteSpans(pending.bands[band], BandSpan{clamped.left, clamped.right});
    }
    Rect rows{clamped.left, static_cast<std::int32_t>(first * bandHeight), clamped.right,
              static_cast<std::int32_t>(std::min<std::uint64_t>(height, std::uint64_t{last} * bandHeight))};
    pending.dirtyRect = unite(pending.dirtyRect, rows);
    pending.dirty = true;
}

Rect ScreenDrawer::compose()
{
    auto sprites = manager.lock();
    FrameState& pending = state->pending;
    FrameState& ready = state->ready;
    if (!pending.dirty) {
        return Rect{};
    }
    pending.commands.clear();
    pending.resources.clear();
    if (sprites) {
        if (sprites->needsSort) {
            sprites->sort();
        }
        pending.commands.reserve(sprites->entries.size());
        pending.resources.images.reserve(sprites->entries.size());
        pending.resources.glyphs.reserve(sprites->entries.size());
        for (const SpriteManager::Entry& entry : sprites->entries) {
            entry.sprite->draw(pending.commands, pending.resources);
        }
    }
    pending.lists.build(pending.commands, bandHeight, bandCount, height);
    pending.opaqueRows.resize(pending.commands.size());
    for (std::size_t i = 0; i < pending.commands.size(); ++i) {
        pending.opaqueRows[i] = state->opaqueCover.rowsOf(pending.commands[i], pending.resources);
    }
    FrameState::merge(pending, ready);
    std::swap(pending, ready);
    FrameState::clear(pending);
    return ready.dirtyRect;
}

void ScreenDrawer::finishRender()
{
    adoptKeptResources();
    FrameState& current = state->current;
    state->previousCommands.swap(current.commands);
    std::swap(state->previousLists, current.lists);
    current.lists.clear();
    state->previousBands.swap(current.bands);
    current.bands.resize(bandCount);
    clearSpans(current.bands);
    current.dirtyRect = Rect{};
    current.dirty = false;
    current.commands.clear();
    current.resources.clear();
    current.opaqueRows.clear();
    state->rendering = false;
}

void ScreenDrawer::takeReadyFrame()
{
    if (state->rendering) {
        finishRender();
    }
    state->rendering = true;
    std::swap(state->ready, state->current);
    state->drawsFromKept = keepsPictures;
    if (state->drawsFromKept && !state->keptPicture) {
        state->keptPicture = std::make_unique<Image>(width, height, PixelFormat::Bgrx32);
        state->keptBands.resize(bandCount);
    }
}

void ScreenDrawer::adoptKeptResources()
{
    // The bands that kept a picture of `current`'s commands hold its resources from now on.
    std::shared_ptr<const DrawResources> adopted;
    for (KeptBand& kept : state->keptBands) {
        if (kept.refreshed) {
            if (!adopted) {
                adopted = std::make_shared<const DrawResources>(std::move(state->current.resources));
            }
            kept.resources = adopted;
            kept.refreshed = false;
        }
    }
}

std::size_t ScreenDrawer::getKeptBytes() const noexcept
{
    const Image* picture = state->keptPicture.get();
    return picture ? std::size_t{picture->getPitch()} * picture->getHeight() : 0;
}

Rect ScreenDrawer::drawBand(Image& destination, std::uint32_t band, std::int32_t rowOffset,
                            DrawTally* tally)
{
    Rect rows = bandRows(band);
    const BandSpan& span = state->current.bands[band];
    Rect rect{span.left, rows.top, span.right, rows.bottom};
    if (rect.isEmpty()) {
        return rect;
    }
    ClipRegion clip{rect.offsetBy(0, rowOffset), Point{0, rowOffset}};
    std::size_t next = 0;
    if (state->drawsFromKept) {
        next = drawFromKept(destination, band, rect, rowOffset, clip, tally);
    }
    drawCommands(destination, clip, rect, band, next, state->current.commands.size(), tally);
    return rect;
}

void ScreenDrawer::drawCommands(Image& destination, const ClipRegion& clip, const Rect& rect,
                                std::uint32_t band, std::size_t from, std::size_t to,
                                DrawTally* tally) const
{
    const FrameState& current = state->current;
    const auto list = current.lists.of(band);
    for (auto at = std::lower_bound(list.begin(), list.end(), from); at != list.end() && *at < to; ++at) {
        const DrawCommand& command = current.commands[*at];
        drawCommand(destination, clip, command);
        if (tally) {
            tally->pixelsByKind[static_cast<std::size_t>(command.kind) & 3] +=
                area(intersect(command.bounds, rect));
        }
    }
}

std::size_t ScreenDrawer::drawFromKept(Image& destination, std::uint32_t band, const Rect& rect,
                                       std::int32_t rowOffset, const ClipRegion& clip,
                                       DrawTally* tally)
{
    const DrawCommands& commands = state->current.commands;
    const auto list = state->current.lists.of(band);
    const auto previous = state->previousLists.of(band);
    KeptBand& kept = state->keptBands[band];

    // The kept picture serves when it covers the span and this frame's band still starts
    // with exactly the commands it holds.
    std::size_t next = 0;
    if (!kept.commands.empty() && kept.valid.left <= rect.left && rect.right <= kept.valid.right &&
        kept.commands.size() <= list.size()) {
        std::size_t matched = 0;
        while (matched < kept.commands.size() &&
               sameCommand(commands[list[matched]], kept.commands[matched])) {
            ++matched;
        }
        if (matched == kept.commands.size()) {
            copyPixels(destination, rect.offsetBy(0, rowOffset), *state->keptPicture,
                       Point{rect.left, rect.top});
            next = list[matched - 1] + std::size_t{1};
            if (tally) {
                tally->keptPixelsCopied += area(rect);
            }
        }
    }

    // The band's bottom commands that are the same as in the frame before are likely to
    // stay so in the next frame: keep their picture when it holds more than the kept one.
    std::size_t same = 0;
    while (same < list.size() && same < previous.size() &&
           sameCommand(commands[list[same]], state->previousCommands[previous[same]])) {
        ++same;
    }
    const std::size_t unchanged = same == 0 ? 0 : list[same - 1] + std::size_t{1};
    // The picture must not depend on what lay below it: the first command sets every pixel.
    if (unchanged <= next ||
        !OpaqueCover::paintsOver(commands[list[0]], state->current.opaqueRows[list[0]], rect)) {
        return next;
    }
    drawCommands(destination, clip, rect, band, next, unchanged, tally);
    copyPixels(*state->keptPicture, rect, destination, Point{rect.left, rect.top + rowOffset});
    if (tally) {
        tally->keptPixelsCopied += area(rect);
    }
    kept.commands.clear();
    for (std::size_t k = 0; k < same; ++k) {
        kept.commands.push_back(commands[list[k]]);
    }
    kept.valid = BandSpan{rect.left, rect.right};
    kept.refreshed = true;
    return unchanged;
}

Rect ScreenDrawer::repaintSpan(std::uint32_t band) const
{
    const BandSpan& previous = state->previousBands[band];
    const BandSpan& now = state->current.bands[band];
    // A band that the previous frame left alone needs nothing from the front buffer.
    if (previous.isEmpty()) {
        return Rect{};
    }
    if (!now.isEmpty() && previous.left >= now.left && previous.right <= now.right) {
        return Rect{};
    }
    BandSpan wide = uniteSpans(previous, now);
    Rect rows = bandRows(band);
    return Rect{wide.left, rows.top, wide.right, rows.bottom};
}

void ScreenDrawer::mergePending(ScreenDrawer& a, ScreenDrawer& b)
{
    FrameState::merge(a.state->pending, b.state->pending);
}

bool ScreenDrawer::hasPendingChanges() const noexcept
{
    return state->pending.dirty;
}

Rect ScreenDrawer::getPendingRect() const noexcept
{
    return state->pending.dirtyRect;
}

bool ScreenDrawer::hasReadyFrame() const noexcept
{
    return state->ready.dirty;
}

Rect ScreenDrawer::getReadyRect() const noexcept
{
    return state->ready.dirtyRect;
}

Rect ScreenDrawer::getCurrentRect() const noexcept
{
    return state->current.dirtyRect;
}

bool ScreenDrawer::isRendering() const noexcept
{
    return state->rendering;
}

void FrameState::merge(FrameState& a, FrameState& b)
{
    bool any = false;
    std::size_t count = std::min(a.bands.size(), b.bands.size());
    for (std::size_t band = 0; band < count; ++band) {
        BandSpan both = uniteSpans(a.bands[band], b.bands[band]);
        if (!both.isEmpty()) {
            a.bands[band] = both;
            b.bands[band] = both;
            any = true;
        }
    }
    if (any) {
        Rect both = unite(a.dirtyRect, b.dirtyRect);
        a.dirtyRect = both;
        b.dirtyRect = both;
        a.dirty = true;
        b.dirty = true;
    }
}

void FrameState::clear(FrameState& a)
{
    clearSpans(a.bands);
    a.dirtyRect = Rect{};
    a.dirty = false;
    a.commands.clear();
    a.lists.clear();
    a.resources.clear();
    a.opaqueRows.clear();
}

} // namespace vantrel
