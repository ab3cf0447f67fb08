#include "scene/SnowTask.h"

#include <algorithm>
#include <utility>

#include <vantrel/io/LoadImage.h>
#include "scene/UniformDraw.h"

std::uint8_t flakeOpacity(std::uint32_t id)
{
    static constexpr std::uint8_t table[4] = {32, 64, 128, 192};
    return table[id % 4];
}

FlakeState moveFlake(const FlakeState& state, int drift, std::uint32_t speed,
                     std::uint32_t resetOpacity, std::uint32_t width, std::uint32_t height)
{
    const auto limit = static_cast<std::int64_t>(speed);
    const std::int64_t step = std::clamp<std::int64_t>(drift, -limit, limit);
    std::int64_t opacity = std::max<std::int64_t>(0, std::int64_t{state.opacity} + drift);
    std::int64_t x = state.x + step;
    if (x > std::int64_t{width} + 10) {
        x = -10;
    }
    std::int64_t y = state.y + limit;
    if (y > std::int64_t{height}) {
        y = -10;
        opacity = resetOpacity;
    }
    return FlakeState{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                      static_cast<std::uint8_t>(opacity & 0xFF)};
}

void SnowTask::setUp(vantrel::Screen& screen)
{
    std::mt19937 generator(5489u);
    auto snow = vantrel::loadImage("snow.png");
    auto distantSnow = vantrel::loadImage("snow2.png");
    const int width = static_cast<int>(screen.getWidth());
    const int height = static_cast<int>(screen.getHeight());

    std::vector<Flake> flakes;
    flakes.reserve(lastId - firstId + 1);
    for (std::uint32_t id = firstId; id <= lastId; ++id) {
        const int x = drawUniform(generator, 0, width);
        const int y = drawUniform(generator, 0, height);
        const auto speed = static_cast<std::uint32_t>(drawUniform(generator, 1, 4));
        auto sprite = screen.createImageSprite(0, id, x, y, zOrder, speed == 1 ? distantSnow : snow);
        if (sprite) {
            sprite->setBlendMode(vantrel::BlendMode::Add);
            sprite->setOpacity(flakeOpacity(id));
            sprite->show();
            flakes.push_back(Flake{id, speed, flakeOpacity(id), std::move(sprite)});
        }
    }
    screen.addTask(SnowTask(std::move(flakes), generator));
}

SnowTask::SnowTask(std::vector<Flake> flakes, std::mt19937 generator)
    : flakes(std::move(flakes)), generator(generator)
{
}

bool SnowTask::operator()(vantrel::Screen& screen)
{
    if (flakes.empty()) {
        return false;
    }
    const std::uint32_t width = screen.getWidth();
    const std::uint32_t height = screen.getHeight();
    for (Flake& flake : flakes) {
        const int drift = drawUniform(generator, driftMin, driftMax) - 2;
        vantrel::ImageSprite& sprite = *flake.sprite;
        const FlakeState next = moveFlake(FlakeState{sprite.getX(), sprite.getY(), sprite.getOpacity()},
                                          drift, flake.speed, flake.resetOpacity, width, height);
        sprite.setPosition(next.x, next.y);
        sprite.setOpacity(next.opacity);
    }
    return false;
}
