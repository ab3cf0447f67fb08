#pragma once

#include <cstdint>
#include <memory>

#include "engine/image/Color.h"
#include "engine/image/Geometry.h"
#include "engine/sprite/ISprite.h"

namespace vantrel {

class ScreenDrawer;
class SpriteManager;

// A rectangle in one colour.
class FillRectSprite : public ISprite {
public:
    FillRectSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                   std::uint32_t id, const Rect& rect, std::int32_t zOrder, Color color);

    const Rect& getRect() const noexcept { return rect; }
    Color getColor() const noexcept { return color; }

protected:
    std::uint32_t getIdImpl() override { return id; }
    void setPositionImpl(std::int32_t x, std::int32_t y) override;
    std::int32_t getXImpl() override { return rect.left; }
    std::int32_t getYImpl() override { return rect.top; }
    void setZOrderImpl(std::int32_t z) override { zOrder = z; }
    std::int32_t getZOrderImpl() override { return zOrder; }
    void drawImpl(DrawCommands& commands, DrawResources& resources) override;
    void showImpl() override { visible = true; }
    void hideImpl() override { visible = false; }
    bool isVisibleImpl() override { return visible; }
    void setBlendModeImpl(BlendMode mode) override { blendMode = mode; }
    BlendMode getBlendModeImpl() override { return blendMode; }
    void setOpacityImpl(std::uint8_t value) override { opacity = value; }
    std::uint8_t getOpacityImpl() override { return opacity; }
    void invalidateImpl() override;
    void requestSortImpl() override;

private:
    std::weak_ptr<SpriteManager> manager;
    std::weak_ptr<ScreenDrawer> drawer;
    std::uint32_t id;
    Rect rect;
    std::int32_t zOrder;
    bool visible = false;
    BlendMode blendMode = BlendMode::Normal;
    std::uint8_t opacity = 255;
    Color color;
};

} // namespace vantrel
