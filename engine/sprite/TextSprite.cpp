#include <vantrel/sprite/TextSprite.h>

#include <utility>

#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/text/IFont.h>

namespace vantrel {

TextSprite::TextSprite(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                       std::uint32_t id, std::int32_t x, std::int32_t y, std::int32_t zOrder,
                       const char* text, std::size_t length, IFont& font, Color color)
    : SpriteBase(std::move(manager), std::move(drawer), id, zOrder), x(x), y(y),
      glyphs(new GlyphData[length]()), count(length), color(color)
{
    for (std::size_t i = 0; i < length; ++i) {
        // Bytes above 127 become the codes 0xFFFFFF80..0xFFFFFFFF.
        auto code = static_cast<std::uint32_t>(static_cast<std::int32_t>(
            static_cast<signed char>(text[i])));
        glyphs[i] = font.getGlyphData(code);
    }
}

template <class Visitor>
void TextSprite::walkGlyphs(Visitor&& visit) const
{
    Point pen{x, y};
    for (std::uint64_t i = 0; i < count; ++i) {
        const GlyphData& glyph = glyphs[i];
        if (glyph.image) {
            Rect area{pen.x + glyph.offset.x, pen.y + glyph.offset.y, 0, 0};
            area.right = area.left + static_cast<std::int32_t>(glyph.image->getWidth());
            area.bottom = area.top + static_cast<std::int32_t>(glyph.image->getHeight());
            visit(area);
        }
        pen.x += glyph.advance.x;
        pen.y += glyph.advance.y;
    }
}

Rect TextSprite::getBounds() const noexcept
{
    Rect bounds;
    walkGlyphs([&bounds](const Rect& area) { bounds = unite(bounds, area); });
    return bounds;
}

void TextSprite::drawImpl(DrawCommands& commands, DrawResources& resources)
{
    if (!appears()) {
        return;
    }
    resources.glyphs.push_back(glyphs);
    DrawCommand command = makeCommand(DrawCommandKind::Glyphs, getBounds());
    command.origin = Point{x, y};
    command.glyphs = glyphs.get();
    command.count = count;
    command.color = color;
    commands.push_back(command);
}

void TextSprite::invalidateImpl()
{
    if (auto target = lockDrawer()) {
        walkGlyphs([&target](const Rect& area) { target->invalidate(area); });
    }
}

} // namespace vantrel
