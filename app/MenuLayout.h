#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/MenuModel.h"
#include <vantrel/image/Geometry.h>

namespace vantrel {

// Width in pixels of a line of text in the menu's font.
using TextMeasure = std::function<std::int32_t(const std::u32string&)>;

// Where everything of the menu lies, in window coordinates (the bar starts at 0, 0).
struct MenuLayout {
    static constexpr std::int32_t barHeight = 20;
    static constexpr std::int32_t barItemPadding = 7;  // each side of a bar text
    static constexpr std::int32_t itemHeight = 20;
    static constexpr std::int32_t popupBorder = 1;
    static constexpr std::int32_t popupPadding = 2;    // inside the border, above and below
    static constexpr std::int32_t markColumn = 22;     // left of the item text: the radio mark
    static constexpr std::int32_t acceleratorGap = 24; // at least, between text and accelerator
    static constexpr std::int32_t rightColumn = 16;    // right of the accelerator

    struct Popup {
        Rect frame;
        std::vector<Rect> items;
        std::int32_t textLeft = 0;        // of every item's text
        std::int32_t acceleratorRight = 0; // where the right-aligned accelerators end
    };

    Rect bar;
    std::vector<Rect> barItems;
    std::vector<Popup> popups; // one per bar item, each dropping below it
};

MenuLayout layoutMenu(const MenuBar& menu, const TextMeasure& measure, std::int32_t barWidth);

struct MenuHit {
    enum class Kind { None, Bar, BarItem, PopupFrame, PopupItem };
    Kind kind = Kind::None;
    int index = -1; // of the bar item or of the item in the open popup

    friend bool operator==(const MenuHit&, const MenuHit&) = default;
};

// What lies under `point`: the open popup (openPopup >= 0) covers the bar's neighbours.
MenuHit hitTestMenu(const MenuLayout& layout, int openPopup, Point point);

} // namespace vantrel
