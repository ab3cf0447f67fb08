#include "app/MenuLayout.h"

#include <algorithm>

namespace vantrel {

namespace {

bool contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

} // namespace

MenuLayout layoutMenu(const MenuBar& menu, const TextMeasure& measure, std::int32_t barWidth)
{
    MenuLayout layout;
    layout.bar = Rect{0, 0, barWidth, MenuLayout::barHeight};
    std::int32_t x = 0;
    for (const MenuPopup& popup : menu.getPopups()) {
        std::int32_t width = measure(popup.label.text) + 2 * MenuLayout::barItemPadding;
        Rect barItem{x, 0, x + width, MenuLayout::barHeight};
        layout.barItems.push_back(barItem);
        x += width;

        std::int32_t textWidth = 0;
        std::int32_t acceleratorWidth = 0;
        for (const MenuItem& item : popup.items) {
            textWidth = std::max(textWidth, measure(item.label.text));
            acceleratorWidth = std::max(acceleratorWidth, measure(item.label.accelerator));
        }
        std::int32_t inner = MenuLayout::markColumn + textWidth + MenuLayout::acceleratorGap +
                             acceleratorWidth + MenuLayout::rightColumn;
        std::int32_t itemCount = static_cast<std::int32_t>(popup.items.size());
        MenuLayout::Popup placed;
        placed.frame = Rect{barItem.left, MenuLayout::barHeight,
                            barItem.left + inner + 2 * MenuLayout::popupBorder,
                            MenuLayout::barHeight + itemCount * MenuLayout::itemHeight +
                                2 * (MenuLayout::popupBorder + MenuLayout::popupPadding)};
        std::int32_t left = placed.frame.left + MenuLayout::popupBorder;
        std::int32_t top = placed.frame.top + MenuLayout::popupBorder + MenuLayout::popupPadding;
        for (std::int32_t i = 0; i < itemCount; ++i) {
            std::int32_t itemTop = top + i * MenuLayout::itemHeight;
            placed.items.push_back(Rect{left, itemTop, left + inner, itemTop + MenuLayout::itemHeight});
        }
        placed.textLeft = left + MenuLayout::markColumn;
        placed.acceleratorRight = left + inner - MenuLayout::rightColumn;
        layout.popups.push_back(std::move(placed));
    }
    return layout;
}

MenuHit hitTestMenu(const MenuLayout& layout, int openPopup, Point point)
{
    if (openPopup >= 0 && openPopup < static_cast<int>(layout.popups.size())) {
        const MenuLayout::Popup& popup = layout.popups[static_cast<std::size_t>(openPopup)];
        if (contains(popup.frame, point)) {
            for (std::size_t i = 0; i < popup.items.size(); ++i) {
                if (contains(popup.items[i], point)) {
                    return MenuHit{MenuHit::Kind::PopupItem, static_cast<int>(i)};
                }
            }
            return MenuHit{MenuHit::Kind::PopupFrame, -1};
        }
    }
    if (!contains(layout.bar, point)) {
        return MenuHit{};
    }
    for (std::size_t i = 0; i < layout.barItems.size(); ++i) {
        if (contains(layout.barItems[i], point)) {
            return MenuHit{MenuHit::Kind::BarItem, static_cast<int>(i)};
        }
    }
    return MenuHit{MenuHit::Kind::Bar, -1};
}

} // namespace vantrel
