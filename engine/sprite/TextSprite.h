#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/GlyphData.h>
#include <vantrel/sprite/SpriteBase.h>

namespace vantrel {

class IFont;

/// One line of text in one colour, laid out once at construction. The pen starts at (x, y),
/// the top of the line, and walks along the glyphs' advances; there is no kerning and no
/// line break.
class TextSprite : public SpriteBase {
public:
    /// Each byte of `text`, taken as a signed char, is one character code. Font failures
    /// propagate.
    TextSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
               std::uint32_t id, std::int32_t x, std::int32_t y, std::int32_t zOrder,
               const char* text, std::size_t length, IFont& font, Color color);

    /// The laid-out glyphs.
    const std::shared_ptr<GlyphData[]>& getGlyphs() const noexcept { return glyphs; }
    /// How many glyphs.
    std::uint64_t getCount() const noexcept { return count; }
    /// The text colour.
    Color getColor() const noexcept { return color; }
    /// The union of the glyph rectangles at the current position; empty without ink.
    Rect getBounds() const noexcept;

protected:
    void setPositionImpl(std::int32_t newX, std::int32_t newY) override
    {
        x = newX;
        y = newY;
    }
    std::int32_t getXImpl() override { return x; }
    std::int32_t getYImpl() override { return y; }
    void drawImpl(DrawCommands& commands, DrawResources& resources) override;
    void invalidateImpl() override;

private:
    /// Calls visit(rect) for each glyph with an image, in text order.
    template <class Visitor>
    void walkGlyphs(Visitor&& visit) const;

    std::int32_t x;
    std::int32_t y;
    std::shared_ptr<GlyphData[]> glyphs;
    std::uint64_t count;
    Color color;
};

} // namespace vantrel
