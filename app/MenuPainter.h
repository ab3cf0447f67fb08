#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/MenuLayout.h"
#include "app/MenuModel.h"
#include <vantrel/image/GlyphData.h>
#include <vantrel/image/Image.h>
#include <vantrel/text/IFont.h>

namespace vantrel {

// Draws the menu bar and its popups with the engine's own text and fills.
class MenuPainter {
public:
    // ascent and lineHeight: the font's line, in pixels; the pen's y is the line's top.
    // Without a font the menu still works, with blank texts.
    MenuPainter(std::shared_ptr<IFont> font, std::int32_t ascent, std::int32_t lineHeight);

    std::int32_t measure(const std::u32string& text);

    // `image` covers layout.bar; bar item `highlightedItem` (the open popup's or the selected
    // one) is highlighted.
    void paintBar(Image& image, const MenuBar& menu, const MenuLayout& layout, int highlightedItem);
    // `image` covers placed.frame.
    void paintPopup(Image& image, const MenuPopup& popup, const MenuLayout::Popup& placed,
                    int highlighted);

private:
    std::vector<GlyphData> glyphsOf(const std::u32string& text);
    // Draws `text` vertically centred in the row starting at rowTop, the character at
    // `underline` underlined.
    void paintText(Image& image, const std::u32string& text, std::size_t underline,
                   std::int32_t x, std::int32_t rowTop, std::int32_t rowHeight, bool enabled);

    std::shared_ptr<IFont> font;
    std::int32_t ascent;
    std::int32_t lineHeight;
};

} // namespace vantrel
