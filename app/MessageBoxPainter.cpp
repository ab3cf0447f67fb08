#include "app/MessageBoxPainter.h"

#include <vector>

#include "app/GlyphRun.h"
#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/DrawingOperations.h>

namespace vantrel {

namespace {

constexpr Color face = Color::rgb(255, 255, 255);
constexpr Color band = Color::rgb(240, 240, 240);
constexpr Color text = Color::rgb(0, 0, 0);
constexpr Color iconFill = Color::rgb(255, 196, 0);
constexpr Color iconEdge = Color::rgb(120, 84, 0);
constexpr Color buttonFace = Color::rgb(225, 225, 225);
constexpr Color buttonPressedFace = Color::rgb(204, 228, 247);
constexpr Color buttonEdge = Color::rgb(0, 120, 215);
constexpr Color focusDots = Color::rgb(40, 40, 40);
const std::u32string buttonLabel = U"OK";

class Canvas {
public:
    explicit Canvas(Image& image) : image(image) {}

    void fill(const Rect& rect, Color color) { fillRect(image, nullptr, BlendMode::Normal, rect, color, 255); }

    void frame(const Rect& rect, Color color)
    {
        fill(Rect{rect.left, rect.top, rect.right, rect.top + 1}, color);
        fill(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
        fill(Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
        fill(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
    }

    void write(IFont* font, const std::u32string& line, Point origin)
    {
        if (font == nullptr) {
            return;
        }
        std::vector<GlyphData> glyphs = glyphRun(font, line, 0);
        drawGlyphs(image, nullptr, BlendMode::Normal, origin, glyphs.data(), glyphs.size(), text, 255);
    }

private:
    Image& image;
};

// A rounded-off triangle standing on its base, row by row, with an exclamation mark.
void paintWarningIcon(Canvas& canvas, const Rect& box)
{
    std::int32_t size = box.width();
    std::int32_t centre = box.left + size / 2;
    for (std::int32_t row = 0; row < size - 2; ++row) {
        std::int32_t half = (row * (size / 2) + (size - 3) / 2) / (size - 2) + 1;
        std::int32_t y = box.top + 1 + row;
        canvas.fill(Rect{centre - half, y, centre + half, y + 1}, iconEdge);
        if (row > 1 && row < size - 3 && half > 2) {
            canvas.fill(Rect{centre - half + 2, y, centre + half - 2, y + 1}, iconFill);
        }
    }
    std::int32_t barWidth = size / 10 + 1;
    canvas.fill(Rect{centre - barWidth / 2, box.top + size * 3 / 10, centre - barWidth / 2 + barWidth,
                     box.top + size * 13 / 20},
                text);
    canvas.fill(Rect{centre - barWidth / 2, box.top + size * 3 / 4, centre - barWidth / 2 + barWidth,
                     box.top + size * 3 / 4 + barWidth},
                text);
}

} // namespace

void paintMessageBox(Image& image, const MessageBoxLayout& layout, IFont* font, bool buttonPressed)
{
    Canvas canvas(image);
    canvas.fill(Rect{0, 0, layout.width, layout.height}, face);
    canvas.fill(layout.buttonBand, band);
    paintWarningIcon(canvas, layout.icon);

    Point origin = layout.textOrigin;
    for (const std::u32string& line : layout.lines) {
        canvas.write(font, line, origin);
        origin.y += layout.lineHeight;
    }

    const Rect& button = layout.button;
    canvas.fill(button, buttonPressed ? buttonPressedFace : buttonFace);
    canvas.frame(button, buttonEdge);
    Rect inner{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1};
    canvas.frame(inner, buttonEdge);
    // the focus mark: dotted, inside the edge
    for (std::int32_t x = inner.left + 3; x < inner.right - 3; x += 2) {
        canvas.fill(Rect{x, inner.top + 2, x + 1, inner.top + 3}, focusDots);
        canvas.fill(Rect{x, inner.bottom - 3, x + 1, inner.bottom - 2}, focusDots);
    }
    if (font != nullptr) {
        std::int32_t labelWidth = runAdvance(glyphRun(font, buttonLabel, 0));
        canvas.write(font, buttonLabel,
                     Point{button.left + (button.width() - labelWidth) / 2,
                           button.top + (button.height() - layout.lineHeight) / 2});
    }
}

} // namespace vantrel
