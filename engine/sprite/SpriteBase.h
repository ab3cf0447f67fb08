#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/sprite/ISprite.h>

namespace vantrel {

class ScreenDrawer;
class SpriteManager;

/// The state every concrete sprite shares (its layer, id, z-order, visibility, blend mode
/// and opacity) and the operations that only read or write it. New sprites are hidden,
/// Normal and opaque.
class SpriteBase : public ISprite {
protected:
    /// A hidden sprite of `manager`'s layer, drawn by `drawer`.
    SpriteBase(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
               std::uint32_t id, std::int32_t zOrder);

    std::uint32_t getIdImpl() override { return id; }
    void setZOrderImpl(std::int32_t z) override { zOrder = z; }
    std::int32_t getZOrderImpl() override { return zOrder; }
    void showImpl() override { visible = true; }
    void hideImpl() override { visible = false; }
    bool isVisibleImpl() override { return visible; }
    void setBlendModeImpl(BlendMode mode) override { blendMode = mode; }
    BlendMode getBlendModeImpl() override { return blendMode; }
    void setOpacityImpl(std::uint8_t value) override { opacity = value; }
    std::uint8_t getOpacityImpl() override { return opacity; }
    void requestSortImpl() override;

    /// Visible and not fully transparent, without going through the virtual getters.
    bool appears() const noexcept { return visible && opacity != 0; }
    /// A command of `kind` covering `bounds`, with this sprite's blend mode and opacity.
    DrawCommand makeCommand(DrawCommandKind kind, const Rect& bounds) const noexcept;
    /// The layer's drawer, empty once it is gone.
    std::shared_ptr<ScreenDrawer> lockDrawer() const noexcept { return drawer.lock(); }
    /// Reports `area` to the drawer while it exists.
    void invalidateArea(const Rect& area) const;

private:
    std::weak_ptr<SpriteManager> manager;
    std::weak_ptr<ScreenDrawer> drawer;
    std::uint32_t id;
    std::int32_t zOrder;
    bool visible = false;
    BlendMode blendMode = BlendMode::Normal;
    std::uint8_t opacity = 255;
};

} // namespace vantrel
