#include "scene/ParticleTask.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include <vantrel/io/LoadImage.h>
#include "scene/UniformDraw.h"

TrailPlan planTrail(vantrel::Point last, vantrel::Point current)
{
    const std::int64_t dx = std::int64_t{current.x} - last.x;
    const std::int64_t dy = std::int64_t{current.y} - last.y;
    const std::int64_t n = std::max(std::llabs(dx), std::llabs(dy)) / 4;
    TrailPlan plan;
    if (n > 1) {
        plan.pathPairs.reserve(static_cast<std::size_t>(n));
        for (std::int64_t k = 1; k < n; ++k) {
            plan.pathPairs.push_back(vantrel::Point{static_cast<std::int32_t>(last.x + k * dx / n),
                                                    static_cast<std::int32_t>(last.y + k * dy / n)});
        }
    }
    plan.pathPairs.push_back(current);
    plan.jitter = n < 2;
    return plan;
}

std::uint8_t agedOpacity(std::uint8_t opacity)
{
    return opacity <= 4 ? 0 : static_cast<std::uint8_t>(opacity - 4);
}

void ParticleTask::setUp(vantrel::Screen& screen, const vantrel::Mouse& mouse)
{
    auto image1 = vantrel::loadImage("particle.png");
    auto image2 = vantrel::loadImage("particle2.png");
    screen.addTask(ParticleTask(mouse, std::move(image1), std::move(image2)));
}

ParticleTask::ParticleTask(const vantrel::Mouse& mouse, std::shared_ptr<vantrel::Image> image1,
                           std::shared_ptr<vantrel::Image> image2)
    : mouse(&mouse), image1(std::move(image1)), image2(std::move(image2))
{
    last = spawnPosition();
}

vantrel::Point ParticleTask::spawnPosition() const
{
    const auto halfWidth = static_cast<std::int32_t>(image1->getWidth() >> 1);
    const auto halfHeight = static_cast<std::int32_t>(image1->getHeight() >> 1);
    return vantrel::Point{mouse->position.x - halfWidth, mouse->position.y - halfHeight};
}

void ParticleTask::spawnPair(vantrel::Screen& screen, vantrel::Point at, std::uint8_t opacity)
{
    for (const auto& image : {image1, image2}) {
        auto sprite = screen.createImageSprite(0, particleId, at.x, at.y, zOrder, image);
        sprite->setBlendMode(vantrel::BlendMode::Add);
        sprite->setOpacity(opacity);
        sprite->show();
    }
}

bool ParticleTask::operator()(vantrel::Screen& screen)
{
    auto& entries = screen.getSprites(0).entries;

    std::erase_if(entries, [](const vantrel::SpriteManager::Entry& entry) {
        if (entry.id != particleId || entry.sprite->getOpacity() != 0) {
            return false;
        }
        entry.sprite->hide();
        return true;
    });

    for (const auto& entry : entries) {
        if (entry.id != particleId) {
            continue;
        }
        auto* particle = dynamic_cast<vantrel::ImageSprite*>(entry.sprite.get());
        const std::uint8_t opacity = entry.sprite->getOpacity();
        if (particle == nullptr || opacity == 0) {
            continue;
        }
        particle->setOpacity(agedOpacity(opacity));
        particle->setPosition(particle->getX() - 2, particle->getY() - 2);
        particle->setSize(particle->getWidth() + 4, particle->getHeight() + 4);
    }

    const vantrel::Point current = spawnPosition();
    const TrailPlan plan = planTrail(last, current);
    for (vantrel::Point at : plan.pathPairs) {
        spawnPair(screen, at, pathOpacity);
    }
    if (plan.jitter) {
        const int jx = drawUniform(generator, jitterMin, jitterMax);
        const int jy = drawUniform(generator, jitterMin, jitterMax);
        spawnPair(screen, vantrel::Point{current.x + jx - 15, current.y + jy - 15}, jitterOpacity);
    }
    last = current;
    return false;
}
