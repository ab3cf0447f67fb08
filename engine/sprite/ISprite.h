#pragma once

#include <cstdint>

#include <vantrel/image/BlendMode.h>
#include <vantrel/sprite/DrawCommand.h>

namespace vantrel {

/// Everything visible is a sprite. The public setters keep the layer's drawer informed:
/// they invalidate the sprite's area before and/or after a change that alters the picture.
/// A sprite is drawn when it is visible and its opacity is not 0.
class ISprite {
public:
    virtual ~ISprite() = default;

    /// The id given at creation.
    std::uint32_t getId() { return getIdImpl(); }
    /// The left edge.
    std::int32_t getX() { return getXImpl(); }
    /// The top edge.
    std::int32_t getY() { return getYImpl(); }
    /// The drawing order in the layer: higher is drawn later, on top.
    std::int32_t getZOrder() { return getZOrderImpl(); }
    /// Whether it is shown.
    bool isVisible() { return isVisibleImpl(); }
    /// How it meets what is below.
    BlendMode getBlendMode() { return getBlendModeImpl(); }
    /// 0 transparent to 255 opaque.
    std::uint8_t getOpacity() { return getOpacityImpl(); }
    /// Marks its area to be drawn again.
    void invalidate() { invalidateImpl(); }
    /// Asks the layer to sort again before the next frame.
    void requestSort() { requestSortImpl(); }
    /// Adds its drawing orders for the next frame.
    void draw(DrawCommands& commands, DrawResources& resources) { drawImpl(commands, resources); }
    /// Visible and not fully transparent.
    bool isDrawn() { return isVisibleImpl() && getOpacityImpl() != 0; }

    /// Moves it; redraws the old and the new area when shown.
    void setPosition(std::int32_t x, std::int32_t y);
    /// Changes the drawing order and asks for a sort.
    void setZOrder(std::int32_t z);
    /// Shows it.
    void show();
    /// Hides it.
    void hide();
    /// Changes how it meets what is below.
    void setBlendMode(BlendMode mode);
    /// Changes its opacity.
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
