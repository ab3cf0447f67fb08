#include "scene/BounceTask.h"

#include <memory>

std::int32_t bounceStep(std::int32_t position, std::uint8_t& increasing, std::int32_t limit)
{
    if (increasing) {
        if (position < limit) {
            return position + 1;
        }
        increasing = 0;
        return position;
    }
    if (position > 0) {
        return position - 1;
    }
    increasing = 1;
    return position;
}

bool BounceTask::operator()(vantrel::Screen& screen)
{
    vantrel::SpriteManager& sprites = screen.getSprites(1);
    for (std::uint32_t i = 0; i < 2; ++i) {
        auto sprite = std::dynamic_pointer_cast<vantrel::ImageSprite>(sprites.find(firstId + i));
        if (!sprite || !sprite->getImage()) {
            continue;
        }
        const vantrel::Image& image = *sprite->getImage();
        const auto width = static_cast<std::int32_t>(screen.getWidth());
        const auto height = static_cast<std::int32_t>(screen.getHeight());
        const std::int32_t x = bounceStep(sprite->getX(), increasing[2 * i],
                                          width - static_cast<std::int32_t>(image.getWidth()));
        const std::int32_t y = bounceStep(sprite->getY(), increasing[2 * i + 1],
                                          height - static_cast<std::int32_t>(image.getHeight()));
        sprite->setPosition(x, y);
    }
    return false;
}
