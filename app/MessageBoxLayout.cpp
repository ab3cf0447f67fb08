#include "app/MessageBoxLayout.h"

#include <algorithm>

namespace vantrel {

namespace {

using Measure = std::function<std::int32_t(const std::u32string&)>;

void wrapParagraph(const std::u32string& paragraph, const Measure& measure,
                   std::vector<std::u32string>& lines)
{
    std::u32string line;
    for (char32_t code : paragraph) {
        line.push_back(code);
        if (line.size() < 2 || measure(line) <= MessageBoxLayout::maxTextWidth) {
            continue;
        }
        std::size_t space = line.find_last_of(U' ', line.size() - 2);
        std::size_t cut = space != std::u32string::npos && space > 0 ? space + 1 : line.size() - 1;
        std::u32string head = line.substr(0, cut);
        while (!head.empty() && head.back() == U' ') {
            head.pop_back();
        }
        lines.push_back(head);
        line.erase(0, cut);
    }
    lines.push_back(line);
}

} // namespace

MessageBoxLayout layoutMessageBox(const std::u32string& text, const Measure& measure,
                                  std::int32_t lineHeight)
{
    MessageBoxLayout layout;
    layout.lineHeight = lineHeight;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(U'\n', start);
        wrapParagraph(text.substr(start, end == std::u32string::npos ? end : end - start), measure,
                      layout.lines);
        if (end == std::u32string::npos) {
            break;
        }
        start = end + 1;
    }

    std::int32_t textWidth = 0;
    for (const std::u32string& line : layout.lines) {
        textWidth = std::max(textWidth, measure(line));
    }
    auto textHeight = static_cast<std::int32_t>(layout.lines.size()) * lineHeight;
    std::int32_t contentHeight = std::max(textHeight, MessageBoxLayout::iconSize);
    std::int32_t textLeft = MessageBoxLayout::margin + MessageBoxLayout::iconSize + MessageBoxLayout::iconGap;

    layout.width = std::max(textLeft + textWidth + MessageBoxLayout::margin, MessageBoxLayout::minWidth);
    std::int32_t contentTop = MessageBoxLayout::margin + 8;
    layout.icon = Rect{MessageBoxLayout::margin, contentTop + (contentHeight - MessageBoxLayout::iconSize) / 2,
                       MessageBoxLayout::margin + MessageBoxLayout::iconSize,
                       contentTop + (contentHeight + MessageBoxLayout::iconSize) / 2};
    layout.textOrigin = Point{textLeft, contentTop + (contentHeight - textHeight) / 2};
    std::int32_t bandTop = contentTop + contentHeight + MessageBoxLayout::margin + 8;
    layout.height = bandTop + MessageBoxLayout::buttonBandHeight;
    layout.buttonBand = Rect{0, bandTop, layout.width, layout.height};
    std::int32_t buttonTop = bandTop + (MessageBoxLayout::buttonBandHeight - MessageBoxLayout::buttonHeight) / 2;
    layout.button = Rect{layout.width - MessageBoxLayout::margin - MessageBoxLayout::buttonWidth, buttonTop,
                         layout.width - MessageBoxLayout::margin, buttonTop + MessageBoxLayout::buttonHeight};
    return layout;
}

} // namespace vantrel
