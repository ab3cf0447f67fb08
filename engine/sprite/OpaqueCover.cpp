#include <vantrel/sprite/OpaqueCover.h>

#include <algorithm>

namespace vantrel {

namespace {

bool holds(const Rect& outer, const Rect& inner)
{
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Stands for "every row" in the opaque-row tables.
const OpaqueRows everyRow;

std::shared_ptr<const OpaqueRows> findOpaqueRows(const Image& image)
{
    auto rows = std::make_shared<OpaqueRows>(image.getHeight());
    for (std::uint32_t y = 0; y < image.getHeight(); ++y) {
        const unsigned char* row = image.row(y);
        std::uint8_t opaque = 1;
        for (std::uint32_t x = 0; x < image.getWidth() && opaque; ++x) {
            opaque = row[x * 4 + 3] == 255;
        }
        (*rows)[y] = opaque;
    }
    return rows;
}

} // namespace

const OpaqueRows* OpaqueCover::rowsOf(const DrawCommand& command, const DrawResources& resources)
{
    if (command.blendMode != BlendMode::Normal || command.opacity != 255) {
        return nullptr;
    }
    if (command.kind == DrawCommandKind::Fill) {
        return &everyRow;
    }
    if (command.kind == DrawCommandKind::Glyphs || !command.image) {
        return nullptr;
    }
    const Image* image = command.image;
    const Rect picture{0, 0, static_cast<std::int32_t>(image->getWidth()),
                       static_cast<std::int32_t>(image->getHeight())};
    const Rect source = command.kind == DrawCommandKind::ImageRect
                            ? command.sourceRect
                            : Rect{command.sourcePosition.x, command.sourcePosition.y,
                                   command.sourcePosition.x + command.bounds.width(),
                                   command.sourcePosition.y + command.bounds.height()};
    if (source.isEmpty() || !holds(picture, source)) {
        return nullptr;
    }
    switch (image->getFormat()) {
    case PixelFormat::Bgr24:
    case PixelFormat::Bgrx32:
        return &everyRow;
    case PixelFormat::Bgra32:
        break;
    default:
        return nullptr;
    }
    for (const auto& [known, rows] : images) {
        if (known.lock().get() == image) {
            return rows.get();
        }
    }
    auto owner = std::find_if(resources.images.begin(), resources.images.end(),
                              [image](const auto& held) { return held.get() == image; });
    if (owner == resources.images.end()) {
        return nullptr;
    }
    // Images that are gone take their tables along; the frames in flight hold theirs.
    std::erase_if(images, [](const auto& entry) { return entry.first.expired(); });
    images.emplace_back(*owner, findOpaqueRows(*image));
    return images.back().second.get();
}

bool OpaqueCover::paintsOver(const DrawCommand& command, const OpaqueRows* rows, const Rect& rect)
{
    if (!rows || !holds(command.bounds, rect)) {
        return false;
    }
    if (rows == &everyRow) {
        return true;
    }
    // The image rows that the band's rows read, with one more below for smooth scaling.
    std::int64_t top = command.sourcePosition.y + (rect.top - command.bounds.top);
    std::int64_t bottom = top + rect.height();
    if (command.kind == DrawCommandKind::ImageRect) {
        const std::int64_t sourceHeight = command.sourceRect.height();
        const std::int64_t drawnHeight = command.bounds.height();
        top = command.sourceRect.top + (rect.top - command.bounds.top) * sourceHeight / drawnHeight;
        bottom = command.sourceRect.top +
                 ((rect.bottom - command.bounds.top) * sourceHeight + drawnHeight - 1) / drawnHeight + 1;
        bottom = std::min<std::int64_t>(bottom, command.sourceRect.bottom);
    }
    for (std::int64_t y = top; y < bottom; ++y) {
        if (!(*rows)[static_cast<std::size_t>(y)]) {
            return false;
        }
    }
    return true;
}

} // namespace vantrel
