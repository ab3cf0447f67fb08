#pragma once

#include <cstdint>

#include <vantrel/image/BlendMode.h>
#include <vantrel/sprite/DrawCommand.h>

namespace vantrel {

// Everything visible is a sprite. The public setters keep the layer's drawer informed:
// they invalidate the sprite's area before and/or after a change that alters the picture.
// A sprite is drawn when it is visible and its opacity is not 0.
class ISprite {
public:
    virtual ~ISprite() = default;

    std::uint32_t getId() { return getIdImpl(); }
    std::int32_t getX() { return getXImpl(); }
    std::int32_t getY() { return getYImpl(); }
    std::int32_t getZOrder() { return getZOrderImpl(); }
    bool isVisible() { return isVisibleImpl(); }
    BlendMode getBlendMode() { return getBlendModeImpl(); }
    std::uint8_t getOpacity() { return getOpacityImpl(); }
    void invalidate() { invalidateImpl(); }
    void requestSort() { requestSortImpl(); }
    void draw(DrawCommands& commands, DrawResources& resources) { drawImpl(commands, resources); }
    bool isDrawn() { return isVisibleImpl() && getOpacityImpl() != 0; }

    void setPosition(std::int32_t x, std::int32_t y);
    void setZOrder(std::int32_t z);
    void show();
    void hide();
    void setBlendMode(BlendMode mode);
    void setOpacity(std::uint8_t opacity);

protected:
    virtual std::uint32_t getIdImpl() = 0;
    virtual void setPositionImpl(std::int32_t x, std::int32_t y) = 0;
    virtual std::int32_t getXImpl() = 0;
    virtual std::int32_t getYImpl() = 0;
    virtual void setZOrderImpl(std::int32_t z) = 0;
    virtual std::int32_t getZOrderImpl() = 0;
    virtual void drawImpl(DrawCommands& commands, DrawResources& resources) = 0;
    virtual void showImpl() = 0;
    virtual void hideImpl() = 0;
    virtual bool isVisibleImpl() = 0;
    virtual void setBlendModeImpl(BlendMode mode) = 0;
    virtual BlendMode getBlendModeImpl() = 0;
    virtual void setOpacityImpl(std::uint8_t opacity) = 0;
    virtual std::uint8_t getOpacityImpl() = 0;
    virtual void invalidateImpl() = 0;
    virtual void requestSortImpl() = 0;
};

} // namespace vantrel
