#include <vantrel/sprite/ImageSprite.h>

#include <utility>

namespace vantrel {

ImageSprite::ImageSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                         std::uint32_t id, std::int32_t x, std::int32_t y, std::int32_t zOrder,
                         std::shared_ptr<Image> image)
    : SpriteBase(std::move(manager), std::move(drawer), id, zOrder), x(x), y(y),
      image(std::move(image)), width(this->image ? this->image->getWidth() : 0),
      height(this->image ? this->image->getHeight() : 0)
{
}

Rect ImageSprite::area() const noexcept
{
    return Rect{x, y, static_cast<std::int32_t>(x + width), static_cast<std::int32_t>(y + height)};
}

void ImageSprite::setSize(std::uint32_t newWidth, std::uint32_t newHeight)
{
    if (newWidth == width && newHeight == height) {
        return;
    }
    bool drawn = isDrawn();
    if (drawn) {
        invalidateImpl();
    }
    width = newWidth;
    height = newHeight;
    if (drawn) {
        invalidateImpl();
    }
}

void ImageSprite::setSmooth(bool flag)
{
    if (flag == smooth) {
        return;
    }
    if (isDrawn()) {
        invalidateImpl();
    }
    smooth = flag;
}

void ImageSprite::drawImpl(DrawCommands& commands, DrawResources& resources)
{
    if (!appears() || !image) {
        return;
    }
    resources.images.push_back(image);
    const bool ownSize = width == image->getWidth() && height == image->getHeight();
    DrawCommand command =
        makeCommand(ownSize ? DrawCommandKind::ImagePoint : DrawCommandKind::ImageRect, area());
    command.image = image.get();
    if (ownSize) {
        command.sourcePosition = Point{0, 0};
    } else {
        command.sourceRect = Rect{0, 0, static_cast<std::int32_t>(image->getWidth()),
                                  static_cast<std::int32_t>(image->getHeight())};
        command.smooth = smooth;
    }
    commands.push_back(command);
}

} // namespace vantrel
