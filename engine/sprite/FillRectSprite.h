#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/sprite/SpriteBase.h>

namespace vantrel {

/// A rectangle in one colour.
class FillRectSprite : public SpriteBase {
public:
    /// Made by Screen::createFillRectSprite.
    FillRectSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                   std::uint32_t id, const Rect& rect, std::int32_t zOrder, Color color);

    /// The rectangle filled.
    const Rect& getRect() const noexcept { return rect; }
    /// The fill colour.
    Color getColor() const noexcept { return color; }

protected:
    void setPositionImpl(std::int32_t x, std::int32_t y) override;
    std::int32_t getXImpl() override { return rect.left; }
    std::int32_t getYImpl() override { return rect.top; }
    void drawImpl(DrawCommands& commands, DrawResources& resources) override;
    void invalidateImpl() override { invalidateArea(rect); }

private:
    Rect rect;
    Color color;
};

} // namespace vantrel
