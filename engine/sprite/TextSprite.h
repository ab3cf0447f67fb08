#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/image/Color.h"
#include "engine/image/Geometry.h"
#include "engine/image/GlyphData.h"
#include "engine/sprite/ISprite.h"

namespace vantrel {

class IFont;
class ScreenDrawer;
class SpriteManager;

// One line of text in one colour, laid out once at construction. The pen starts at (x, y),
// the top of the line, and walks along the glyphs' advances; there is no kerning and no
// line break.
class TextSprite : public ISprite {
public:
    // Each byte of `text`, taken as a signed char, is one character code. Font failures
    // propagate.
    TextSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
               std::uint32_t id, std::int32_t x, std::int32_t y, std::int32_t zOrder,
               const char* text, std::size_t length, IFont& font, Color color);

    const std::shared_ptr<GlyphData[]>& getGlyphs() const noexcept { return glyphs; }
    std::uint64_t getCount() const noexcept { return count; }
    Color getColor() const noexcept { return color; }
    // The union of the glyph rectangles at the current position; empty without ink.
    Rect getBounds() const noexcept;

protected:
    std::uint32_t getIdImpl() override { return id; }
    void setPositionImpl(std::int32_t newX, std::int32_t newY) override
    {
        x = newX;
        y = newY;
    }
    std::int32_t getXImpl() override { return x; }
    std::int32_t getYImpl() override { return y; }
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
    // Calls visit(rect) for each glyph with an image, in text order.
    template <class Visitor>
    void walkGlyphs(Visitor&& visit) const;

    std::weak_ptr<SpriteManager> manager;
    std::weak_ptr<ScreenDrawer> drawer;
    std::uint32_t id;
    std::int32_t x;
    std::int32_t y;
    std::int32_t zOrder;
    bool visible = false;
    BlendMode blendMode = BlendMode::Normal;
    std::uint8_t opacity = 255;
    std::shared_ptr<GlyphData[]> glyphs;
    std::uint64_t count;
    Color color;
};

} // namespace vantrel
