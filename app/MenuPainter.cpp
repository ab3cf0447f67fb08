#include "app/MenuPainter.h"

#include <utility>

#include "app/GlyphRun.h"
#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/DrawingOperations.h>

namespace vantrel {

namespace {

constexpr Color barBackground = Color::rgb(240, 240, 240);
constexpr Color barEdge = Color::rgb(218, 218, 218);
constexpr Color openBarItem = Color::rgb(204, 232, 255);
constexpr Color popupBackground = Color::rgb(242, 242, 242);
constexpr Color popupBorder = Color::rgb(151, 151, 151);
constexpr Color highlightedItem = Color::rgb(145, 201, 247);
constexpr Color enabledText = Color::rgb(0, 0, 0);
constexpr Color greyedText = Color::rgb(109, 109, 109);
constexpr std::int32_t markDiameter = 6;

void fill(Image& image, const Rect& rect, Color color)
{
    fillRect(image, nullptr, BlendMode::Normal, rect, color, 255);
}

// A small disk, row by row: the radio mark. Distances are in half pixels from the centre.
void paintMark(Image& image, std::int32_t centreX, std::int32_t centreY, Color color)
{
    std::int32_t left = centreX - markDiameter / 2;
    std::int32_t top = centreY - markDiameter / 2;
    for (std::int32_t row = 0; row < markDiameter; ++row) {
        std::int32_t dy = 2 * row + 1 - markDiameter;
        std::int32_t first = 0;
        while (first < markDiameter / 2) {
            std::int32_t dx = 2 * first + 1 - markDiameter;
            if (dx * dx + dy * dy <= markDiameter * markDiameter) {
                break;
            }
            ++first;
        }
        fill(image, Rect{left + first, top + row, left + markDiameter - first, top + row + 1},
             color);
    }
}

} // namespace

MenuPainter::MenuPainter(std::shared_ptr<IFont> font, std::int32_t ascent, std::int32_t lineHeight)
    : font(std::move(font)), ascent(ascent), lineHeight(lineHeight)
{
}

std::vector<GlyphData> MenuPainter::glyphsOf(const std::u32string& text)
{
    return glyphRun(font.get(), text, lineHeight / 2);
}

std::int32_t MenuPainter::measure(const std::u32string& text)
{
    return runAdvance(glyphsOf(text));
}

void MenuPainter::paintText(Image& image, const std::u32string& text, std::size_t underline,
                            std::int32_t x, std::int32_t rowTop, std::int32_t rowHeight,
                            bool enabled)
{
    std::vector<GlyphData> glyphs = glyphsOf(text);
    Color color = enabled ? enabledText : greyedText;
    std::int32_t top = rowTop + (rowHeight - lineHeight) / 2;
    drawGlyphs(image, nullptr, BlendMode::Normal, Point{x, top}, glyphs.data(), glyphs.size(),
               color, 255);
    if (underline < glyphs.size()) {
        std::int32_t penX = x;
        for (std::size_t i = 0; i < underline; ++i) {
            penX += glyphs[i].advance.x;
        }
        std::int32_t y = top + ascent + 1;
        fill(image, Rect{penX, y, penX + glyphs[underline].advance.x, y + 1}, color);
    }
}

void MenuPainter::paintBar(Image& image, const MenuBar& menu, const MenuLayout& layout,
                           int highlightedItem)
{
    Rect bar = layout.bar;
    fill(image, Rect{0, 0, bar.width(), bar.height() - 1}, barBackground);
    fill(image, Rect{0, bar.height() - 1, bar.width(), bar.height()}, barEdge);
    const auto& popups = menu.getPopups();
    for (std::size_t i = 0; i < popups.size() && i < layout.barItems.size(); ++i) {
        const Rect& item = layout.barItems[i];
        if (static_cast<int>(i) == highlightedItem) {
            fill(image, Rect{item.left, item.top, item.right, item.bottom - 1}, openBarItem);
        }
        paintText(image, popups[i].label.text, popups[i].label.mnemonicIndex,
                  item.left + MenuLayout::barItemPadding, item.top, item.height(), true);
    }
}

void MenuPainter::paintPopup(Image& image, const MenuPopup& popup,
                             const MenuLayout::Popup& placed, int highlighted)
{
    Rect frame = placed.frame;
    std::int32_t width = frame.width();
    std::int32_t height = frame.height();
    fill(image, Rect{0, 0, width, height}, popupBorder);
    fill(image,
         Rect{MenuLayout::popupBorder, MenuLayout::popupBorder, width - MenuLayout::popupBorder,
              height - MenuLayout::popupBorder},
         popupBackground);
    for (std::size_t i = 0; i < popup.items.size() && i < placed.items.size(); ++i) {
        const MenuItem& item = popup.items[i];
        Rect row = placed.items[i].offsetBy(-frame.left, -frame.top);
        if (static_cast<int>(i) == highlighted) {
            fill(image, row, highlightedItem);
        }
        if (item.checked) {
            paintMark(image, row.left + MenuLayout::markColumn / 2, row.top + row.height() / 2,
                      item.enabled ? enabledText : greyedText);
        }
        paintText(image, item.label.text, item.label.mnemonicIndex, placed.textLeft - frame.left,
                  row.top, row.height(), item.enabled);
        std::int32_t acceleratorLeft =
            placed.acceleratorRight - frame.left - measure(item.label.accelerator);
        paintText(image, item.label.accelerator, MenuLabel::noMnemonic, acceleratorLeft, row.top,
                  row.height(), item.enabled);
    }
}

} // namespace vantrel
