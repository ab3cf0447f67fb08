#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <vantrel/image/Image.h>
#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/shell/PointerSource.h>
#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/ImageSprite.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/IFont.h>
#include "tests/support/Pixels.h"

// A pointer that stays where the test puts it.
class FixedPointer : public vantrel::IPointerSource {
public:
    explicit FixedPointer(vantrel::Point at) : position(at) {}
    vantrel::Point position;

protected:
    vantrel::Point getPositionImpl() override { return position; }
};

// A Screen that is only ever stepped by hand (no threads).
inline std::unique_ptr<vantrel::Screen> makeTestScreen(std::uint32_t width, std::uint32_t height)
{
    return std::make_unique<vantrel::Screen>(std::make_shared<vantrel::MemoryPresentTarget>(width, height),
                                             width, height, 1);
}

// A picture of the given size, for tasks that place or pass pictures without drawing them.
inline std::shared_ptr<vantrel::Image> makePicture(std::uint32_t width, std::uint32_t height,
                                                   vantrel::PixelFormat format = vantrel::PixelFormat::Bgra32)
{
    return std::make_shared<vantrel::Image>(width, height, format);
}

// The sprites of one kind on a layer, in list order; `id` ~0u takes every id.
template <class Sprite = vantrel::ISprite>
std::vector<std::shared_ptr<Sprite>> spritesOf(vantrel::Screen& screen, std::uint8_t layer, std::uint32_t id = ~0u)
{
    std::vector<std::shared_ptr<Sprite>> found;
    for (const auto& entry : screen.getSprites(layer).entries) {
        if (auto sprite = std::dynamic_pointer_cast<Sprite>(entry.sprite); sprite && (id == ~0u || entry.id == id)) {
            found.push_back(sprite);
        }
    }
    return found;
}

// Everything the scene fixes about one sprite, in one comparable record.
enum class SpriteKind { Fill, Image, Text, Other };

struct SpriteFacts {
    SpriteKind kind = SpriteKind::Other;
    std::uint32_t id = 0;
    vantrel::Rect rect;      // fill: its rectangle; image: position and drawn size; text: the pen start
    std::int32_t zOrder = 0;
    std::uint32_t colour = 0; // the pixel word, 0x00RRGGBB; 0 for images
    std::uint8_t opacity = 255;
    vantrel::BlendMode blendMode = vantrel::BlendMode::Normal;
    bool smooth = false;
    bool visible = true;

    friend bool operator==(const SpriteFacts&, const SpriteFacts&) = default;
};

inline SpriteFacts factsOf(vantrel::ISprite& sprite)
{
    SpriteFacts facts;
    facts.id = sprite.getId();
    facts.zOrder = sprite.getZOrder();
    facts.opacity = sprite.getOpacity();
    facts.blendMode = sprite.getBlendMode();
    facts.visible = sprite.isVisible();
    const std::int32_t x = sprite.getX();
    const std::int32_t y = sprite.getY();
    if (auto* fill = dynamic_cast<vantrel::FillRectSprite*>(&sprite)) {
        facts.kind = SpriteKind::Fill;
        facts.rect = fill->getRect();
        facts.colour = fill->getColor().toWord();
    } else if (auto* image = dynamic_cast<vantrel::ImageSprite*>(&sprite)) {
        facts.kind = SpriteKind::Image;
        facts.rect = vantrel::Rect{x, y, x + static_cast<std::int32_t>(image->getWidth()),
                                   y + static_cast<std::int32_t>(image->getHeight())};
        facts.smooth = image->isSmooth();
    } else if (auto* text = dynamic_cast<vantrel::TextSprite*>(&sprite)) {
        facts.kind = SpriteKind::Text;
        facts.rect = vantrel::Rect{x, y, x, y};
        facts.colour = text->getColor().toWord();
    }
    return facts;
}

inline std::ostream& operator<<(std::ostream& out, const SpriteFacts& f)
{
    static const char* const kinds[] = {"fill", "image", "text", "other"};
    return out << kinds[static_cast<int>(f.kind)] << " id " << f.id << " (" << f.rect.left << ", " << f.rect.top
               << ", " << f.rect.right << ", " << f.rect.bottom << ") z " << f.zOrder << " colour 0x" << std::hex
               << f.colour << std::dec << " opacity " << int(f.opacity) << " blend " << int(f.blendMode)
               << (f.smooth ? " smooth" : "") << (f.visible ? " shown" : " hidden");
}

// The text a sprite shows, read back by matching its glyphs against `font`'s printable
// ASCII glyphs ('?' where none matches): a line laid out in another font or size does not
// read back.
inline std::string textOf(const vantrel::TextSprite& sprite, vantrel::IFont& font)
{
    std::string text;
    for (std::uint64_t i = 0; i < sprite.getCount(); ++i) {
        const vantrel::GlyphData& glyph = sprite.getGlyphs()[i];
        char c = ' ';
        for (; c <= '~'; ++c) {
            vantrel::GlyphData expected = font.getGlyphData(static_cast<std::uint32_t>(c));
            if (expected.offset == glyph.offset && expected.advance == glyph.advance &&
                sameImage(expected.image.get(), glyph.image.get())) {
                break;
            }
        }
        text += c <= '~' ? c : '?';
    }
    return text;
}
