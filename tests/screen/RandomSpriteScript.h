#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/screen/Screen.h>

namespace vantrel::testing {

// Random sprite changes on both layers of a Screen, reproducible from a seed: create, move,
// resize, fade, change blend mode, hide, show, remove, erase, z-order ties, transition
// level and rule changes. Each layer keeps an opaque background so a full redraw is
// well defined. Run it under the Screen lock (from a task or while the Screen is stopped).
class RandomSpriteScript {
public:
    enum class Transitions { Layer0Only, Layer1Only, CrossFade, RuleWipe, Any };

    RandomSpriteScript(std::uint32_t seed, Transitions transitions) : random(seed), transitions(transitions)
    {
        for (PixelFormat format : {PixelFormat::Gray8, PixelFormat::Bgr24, PixelFormat::GrayAlpha16,
                                   PixelFormat::Bgra32, PixelFormat::Bgrx32}) {
            images.push_back(randomImage(format, 1 + pick(40), 1 + pick(30)));
        }
        images.push_back(randomImage(PixelFormat::Bgra32, 1, 1));
    }

    void setUp(Screen& screen)
    {
        Rect all{0, 0, static_cast<std::int32_t>(screen.getWidth()), static_cast<std::int32_t>(screen.getHeight())};
        screen.createFillRectSprite(0, 0u, all, -100, Color::rgb(30, 60, 90))->show();
        screen.createFillRectSprite(1, 0u, all, -100, Color::rgb(200, 180, 20))->show();
        rules.push_back(nullptr);
        auto rule = std::make_shared<Image>(screen.getWidth(), screen.getHeight(), PixelFormat::Gray8);
        for (std::uint32_t y = 0; y < rule->getHeight(); ++y) {
            for (std::uint32_t x = 0; x < rule->getWidth(); ++x) {
                rule->row(y)[x] = static_cast<std::uint8_t>((x * 7 + y * 3) ^ (x >> 3));
            }
        }
        rules.push_back(rule);
        switch (transitions) {
        case Transitions::Layer1Only:
            screen.setTransitionLevel(255);
            break;
        case Transitions::CrossFade:
            screen.setTransitionLevel(100);
            break;
        case Transitions::RuleWipe:
            screen.setTransitionLevel(140);
            screen.setTransitionRule(rule);
            break;
        default:
            break;
        }
        screen.invalidate();
    }

    void changeSomething(Screen& screen)
    {
        std::uint8_t layer = pickLayer();
        auto& entries = screen.getSprites(layer).entries;
        std::shared_ptr<ISprite> sprite;
        if (entries.size() > 1) {
            sprite = entries[1 + pick(static_cast<std::uint32_t>(entries.size() - 1))].sprite;
        }
        switch (pick(14)) {
        case 0:
        case 1: {
            auto fill = screen.createFillRectSprite(layer, 1 + pick(6), randomRect(screen),
                                                    randomZ(), Color::rgb(pick(256), pick(256), pick(256)));
            dress(*fill);
            break;
        }
        case 2:
        case 3: {
            auto image = screen.createImageSprite(layer, 1 + pick(6), randomCoordinate(screen.getWidth()),
                                                  randomCoordinate(screen.getHeight()), randomZ(),
                                                  images[pick(static_cast<std::uint32_t>(images.size()))]);
            if (pick(3) == 0) {
                image->setSize(pick(120), pick(90));
                image->setSmooth(pick(2) == 0);
            }
            dress(*image);
            break;
        }
        case 4:
        case 5:
            if (sprite) {
                sprite->setPosition(sprite->getX() + static_cast<std::int32_t>(pick(41)) - 20,
                                    sprite->getY() + static_cast<std::int32_t>(pick(41)) - 20);
            }
            break;
        case 6:
            if (auto image = std::dynamic_pointer_cast<ImageSprite>(sprite)) {
                image->setSize(pick(120), pick(90));
                image->setSmooth(pick(2) == 0);
            }
            break;
        case 7:
            if (sprite) {
                sprite->setOpacity(randomOpacity());
            }
            break;
        case 8:
            if (sprite) {
                sprite->setBlendMode(static_cast<BlendMode>(pick(6)));
            }
            break;
        case 9:
            if (sprite) {
                sprite->isVisible() ? sprite->hide() : sprite->show();
            }
            break;
        case 10:
            screen.getSprites(layer).remove(1 + pick(6));
            break;
        case 11:
            // The way a scene drops spent sprites: hide, then erase the entry.
            if (entries.size() > 1) {
                std::size_t index = 1 + pick(static_cast<std::uint32_t>(entries.size() - 1));
                entries[index].sprite->hide();
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
            }
            break;
        case 12:
            if (sprite) {
                sprite->setZOrder(randomZ());
            }
            break;
        case 13:
            changeTransition(screen);
            break;
        }
    }

private:
    std::uint32_t pick(std::uint32_t count) { return static_cast<std::uint32_t>(random() % count); }

    std::uint8_t pickLayer()
    {
        switch (transitions) {
        case Transitions::Layer0Only:
            return 0;
        case Transitions::Layer1Only:
            return 1;
        default:
            return static_cast<std::uint8_t>(pick(2));
        }
    }

    std::int32_t randomZ() { return static_cast<std::int32_t>(pick(4)); } // plenty of ties
    std::uint8_t randomOpacity()
    {
        static constexpr std::uint8_t special[] = {0, 1, 128, 254, 255};
        return pick(2) ? special[pick(5)] : static_cast<std::uint8_t>(pick(256));
    }
    std::int32_t randomCoordinate(std::uint32_t size)
    {
        return static_cast<std::int32_t>(pick(size + 80)) - 40;
    }
    Rect randomRect(Screen& screen)
    {
        std::int32_t left = randomCoordinate(screen.getWidth());
        std::int32_t top = randomCoordinate(screen.getHeight());
        return Rect{left, top, left + static_cast<std::int32_t>(pick(200)), top + static_cast<std::int32_t>(pick(60))};
    }

    void dress(ISprite& sprite)
    {
        sprite.setBlendMode(static_cast<BlendMode>(pick(5)));
        sprite.setOpacity(randomOpacity());
        if (pick(5) != 0) {
            sprite.show();
        }
    }

    void changeTransition(Screen& screen)
    {
        if (transitions == Transitions::Any) {
            static constexpr std::uint8_t levels[] = {0, 1, 127, 128, 254, 255};
            screen.setTransitionLevel(pick(2) ? levels[pick(6)] : static_cast<std::uint8_t>(pick(256)));
            screen.invalidate();
            screen.setTransitionRule(rules[pick(2)]);
        } else if (transitions == Transitions::CrossFade || transitions == Transitions::RuleWipe) {
            screen.setTransitionLevel(static_cast<std::uint8_t>(1 + pick(254)));
            screen.invalidate();
        }
    }

    std::shared_ptr<Image> randomImage(PixelFormat format, std::uint32_t width, std::uint32_t height)
    {
        auto image = std::make_shared<Image>(width, height, format);
        for (std::uint32_t y = 0; y < height; ++y) {
            for (std::uint32_t x = 0; x < image->getPitch(); ++x) {
                image->row(y)[x] = static_cast<std::uint8_t>(random());
            }
        }
        return image;
    }

    std::mt19937 random;
    Transitions transitions;
    std::vector<std::shared_ptr<Image>> images;
    std::vector<std::shared_ptr<Image>> rules;
};

} // namespace vantrel::testing
