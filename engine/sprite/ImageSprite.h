#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Image.h>
#include <vantrel/sprite/SpriteBase.h>

namespace vantrel {

/// An image at a position, at its own size or scaled to a size of its own.
class ImageSprite : public SpriteBase {
public:
    /// Made by Screen::createImageSprite: `image` at (x, y), at its own size.
    ImageSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                std::uint32_t id, std::int32_t x, std::int32_t y, std::int32_t zOrder,
                std::shared_ptr<Image> image);

    /// Invalidate before and after when drawn, as the other setters do.
    void setSize(std::uint32_t width, std::uint32_t height);
    /// Bilinear (true) or nearest-pixel (false) scaling.
    void setSmooth(bool smooth);

    /// The image drawn.
    const std::shared_ptr<Image>& getImage() const noexcept { return image; }
    /// The drawn width.
    std::uint32_t getWidth() const noexcept { return width; }
    /// The drawn height.
    std::uint32_t getHeight() const noexcept { return height; }
    /// Whether scaling is bilinear.
    bool isSmooth() const noexcept { return smooth; }

protected:
    void setPositionImpl(std::int32_t newX, std::int32_t newY) override
    {
        x = newX;
        y = newY;
    }
    std::int32_t getXImpl() override { return x; }
    std::int32_t getYImpl() override { return y; }
    void drawImpl(DrawCommands& commands, DrawResources& resources) override;
    void invalidateImpl() override { invalidateArea(area()); }

private:
    Rect area() const noexcept;

    std::int32_t x;
    std::int32_t y;
    std::shared_ptr<Image> image;
    std::uint32_t width;
    std::uint32_t height;
    bool smooth = false;
};

} // namespace vantrel
