#include <vantrel/screen/StagedPicture.h>

#include <algorithm>
#include <cstring>

#include <vantrel/image/PixelFormat.h>

namespace vantrel {

namespace {

void copyAsIs(unsigned char* to, const unsigned char* from, std::uint32_t pixels)
{
    std::memcpy(to, from, std::size_t{pixels} * 4);
}

} // namespace

StagedPicture::StagedPicture(std::uint32_t width, std::uint32_t height, unsigned char fill, RowCopy copyRow)
    : picture(width, height, PixelFormat::Bgrx32), copyRow(copyRow != nullptr ? copyRow : copyAsIs)
{
    if (picture.getPixels()) {
        std::memset(picture.getPixels(), fill, std::size_t{picture.getPitch()} * height);
    }
}

Rect StagedPicture::copyRows(const Image& frame, const Rect& rect)
{
    if (bytesPerPixel(frame.getFormat()) != 4 || frame.getPixels() == nullptr) {
        return Rect{};
    }
    Rect bounds{0, 0, static_cast<std::int32_t>(std::min(frame.getWidth(), picture.getWidth())),
                static_cast<std::int32_t>(std::min(frame.getHeight(), picture.getHeight()))};
    Rect cut = intersect(rect, bounds);
    if (cut.isEmpty()) {
        return Rect{};
    }
    const std::size_t offset = std::size_t(cut.left) * 4;
    for (std::int32_t y = cut.top; y < cut.bottom; ++y) {
        auto row = static_cast<std::uint32_t>(y);
        copyRow(picture.row(row) + offset, frame.row(row) + offset, static_cast<std::uint32_t>(cut.width()));
    }
    return cut;
}

void StagedPicture::copyBand(const Image& frame, const Rect& rect)
{
    std::shared_lock<std::shared_mutex> guard(lock);
    halfCopied = true;
    copyRows(frame, rect);
}

void StagedPicture::finishFrame()
{
    {
        std::lock_guard<std::shared_mutex> guard(lock);
        halfCopied = false;
    }
    whole.notify_all();
}

Rect StagedPicture::copyFrame(const Image& frame, const Rect& rect)
{
    std::lock_guard<std::shared_mutex> guard(lock);
    return copyRows(frame, rect);
}

} // namespace vantrel
