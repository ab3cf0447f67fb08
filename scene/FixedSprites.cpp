#include "scene/FixedSprites.h"

std::uint32_t stretchedHeight(std::uint32_t width, std::uint32_t height, std::uint32_t screenWidth)
{
    return width == 0 ? 0 : height * screenWidth / width;
}

void createBaseLayerSprites(vantrel::Screen& screen, const std::shared_ptr<vantrel::Image>& picture)
{
    const auto width = static_cast<std::int32_t>(screen.getWidth());
    const auto height = static_cast<std::int32_t>(screen.getHeight());
    screen.createFillRectSprite(0, 0u, vantrel::Rect{0, 0, width, height}, 0, vantrel::Color::rgb(255, 255, 255))
        ->show();
    screen.createFillRectSprite(0, 10u, vantrel::Rect{50, 50, 160, 160}, 2, vantrel::Color::rgb(255, 0, 0))
        ->show();
    if (picture) {
        for (std::int32_t k = 0; 75 + 5 * k < 325; ++k) {
            auto copy = screen.createImageSprite(0, static_cast<std::uint32_t>(11 + k), 75 + 5 * k, 75 + 5 * k,
                                                 3 + k, picture);
            copy->setOpacity(k % 2 == 0 ? 128 : 129);
            copy->show();
        }
    }
    auto green = screen.createFillRectSprite(0, 50u, vantrel::Rect{100, 100, 200, 200}, 100,
                                             vantrel::Color::rgb(0, 255, 0));
    green->setOpacity(60);
    green->show();
}

void createFadeLayerSprites(vantrel::Screen& screen, const std::shared_ptr<vantrel::Image>& picture)
{
    if (!picture) {
        return;
    }
    const std::uint32_t screenWidth = screen.getWidth();
    const std::uint32_t screenHeight = screen.getHeight();
    const std::uint32_t width = picture->getWidth();
    const std::uint32_t height = picture->getHeight();

    auto topLeft = screen.createImageSprite(1, 11u, 0, 0, 4, picture);
    topLeft->setOpacity(128);
    topLeft->show();

    auto bottomRight = screen.createImageSprite(1, 12u, static_cast<std::int32_t>(screenWidth - width),
                                                static_cast<std::int32_t>(screenHeight - height), 5, picture);
    bottomRight->setOpacity(128);
    bottomRight->show();

    auto backdrop = screen.createImageSprite(1, 0u, 0, 0, 0, picture);
    backdrop->setSize(screenWidth, stretchedHeight(width, height, screenWidth));
    backdrop->setSmooth(true);
    backdrop->show();
}
