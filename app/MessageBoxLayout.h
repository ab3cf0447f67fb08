#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <vantrel/image/Geometry.h>

namespace vantrel {

// Where everything of a warning box lies, in the box's client coordinates: the icon at the
// left, the text wrapped to lines beside it, the OK button at the bottom right.
struct MessageBoxLayout {
    static constexpr std::int32_t margin = 16;
    static constexpr std::int32_t iconSize = 32;
    static constexpr std::int32_t iconGap = 12;
    static constexpr std::int32_t maxTextWidth = 420;
    static constexpr std::int32_t buttonWidth = 88;
    static constexpr std::int32_t buttonHeight = 26;
    static constexpr std::int32_t buttonBandHeight = 48; // the shaded band holding the button
    static constexpr std::int32_t minWidth = 240;

    std::int32_t width = 0;
    std::int32_t height = 0;
    Rect icon;
    Point textOrigin; // top-left of the first line
    std::int32_t lineHeight = 0;
    std::vector<std::u32string> lines;
    Rect buttonBand;
    Rect button;
};

// Breaks `text` into lines no wider than maxTextWidth (at a space where the line has one,
// anywhere otherwise, as Japanese text breaks) and at line feeds, then places the parts.
MessageBoxLayout layoutMessageBox(const std::u32string& text,
                                  const std::function<std::int32_t(const std::u32string&)>& measure,
                                  std::int32_t lineHeight);

} // namespace vantrel
