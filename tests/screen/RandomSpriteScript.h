#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/screen/Screen.h>

namespace vantrel::testing {

// Random sprite changes on both layers of a Screen, reproducible from a seed: create, move,
// resize, fade, change blend mode, hide, show, remove, erase, z-order ties, transition
// level and rule changes. Each layer keeps an opaque background so a full redraw is
// well defined. Its task makes up to four changes in each of the next `changesLeft` iterations
// of the Screen. Construct it while the Screen is stopped.
class RandomSpriteScript {
public:
    enum class Transitions { Layer0Only, Layer1Only, CrossFade, RuleWipe, Any };

    std::atomic<int> changesLeft{0};

    RandomSpriteScript(Screen& screen, std::uint32_t seed, Transitions transitions)
        : random(seed), counts(seed), transitions(transitions)
    {
        for (PixelFormat format : {PixelFormat::Gray8, PixelFormat::Bgr24, PixelFormat::GrayAlpha16,
                                   PixelFormat::Bgra32, PixelFormat::Bgrx32}) {
            images.push_back(randomImage(format, 1 + pick(40), 1 + pick(30)));
        }
        images.push_back(randomImage(PixelFormat::Bgra32, 1, 1));
        const Rect all{0, 0, static_cast<std::int32_t>(screen.getWidth()),
                       static_cast<std::int32_t>(screen.getHeight())};
        screen.createFillRectSprite(0, 0u, all, -100, Color::rgb(30, 60, 90))->show();
        screen.createFillRectSprite(1, 0u, all, -100, Color::rgb(200, 180, 20))->show();
        rule = std::make_shared<Image>(screen.getWidth(), screen.getHeight(), PixelFormat::Gray8);
        for (std::uint32_t y = 0; y < rule->getHeight(); ++y) {
            for (std::uint32_t x = 0; x < rule->getWidth(); ++x) {
                rule->row(y)[x] = static_cast<std::uint8_t>((x * 7 + y * 3) ^ (x >> 3));
            }
        }
        // Layer 1 alone, a cross-fade, a wipe through the rule; the others start on layer 0.
        static constexpr std::uint8_t startLevels[] = {0, 255, 100, 140, 0};
        screen.setTransitionLevel(startLevels[static_cast<int>(transitions)]);
        if (transitions == Transitions::RuleWipe) {
            screen.setTransitionRule(rule);
        }
        screen.invalidate();
        screen.addTask([this](Screen& s) {
            if (changesLeft > 0) {
                --changesLeft;
                for (std::uint32_t n = counts() % 5; n > 0; --n) {
                    changeSomething(s);
                }
            }
            return false;
        });
    }

private:
    void changeSomething(Screen& screen)
    {
        auto layer = static_cast<std::uint8_t>(pick(2));
        if (transitions == Transitions::Layer0Only || transitions == Transitions::Layer1Only) {
            layer = transitions == Transitions::Layer1Only;
        }
        auto& entries = screen.getSprites(layer).entries;
        // Entry 0 is the layer's background, which stays.
        const std::size_t index = entries.size() > 1 ? 1 + pick(entries.size() - 1) : 0;
        const std::shared_ptr<ISprite> sprite = index == 0 ? nullptr : entries[index].sprite;
        const std::uint32_t kind = pick(14);
        if (kind < 2) {
            dress(*screen.createFillRectSprite(layer, 1 + pick(6), randomRect(screen), randomZ(),
                                               Color::rgb(pick(256), pick(256), pick(256))));
        } else if (kind < 4) {
            auto image = screen.createImageSprite(layer, 1 + pick(6), coordinate(screen.getWidth()),
                                                  coordinate(screen.getHeight()), randomZ(),
                                                  images[pick(images.size())]);
            if (pick(3) == 0) {
                resize(*image);
            }
            dress(*image);
        } else if (kind == 4) {
            screen.getSprites(layer).remove(1 + pick(6));
        } else if (kind == 5) {
            changeTransition(screen);
        } else if (!sprite) {
            return;
        } else if (kind < 8) {
            sprite->setPosition(sprite->getX() + static_cast<std::int32_t>(pick(41)) - 20,
                                sprite->getY() + static_cast<std::int32_t>(pick(41)) - 20);
        } else if (kind == 8) {
            if (auto image = std::dynamic_pointer_cast<ImageSprite>(sprite)) {
                resize(*image);
            }
        } else if (kind == 9) {
            sprite->setOpacity(randomOpacity());
        } else if (kind == 10) {
            sprite->setBlendMode(static_cast<BlendMode>(pick(6)));
        } else if (kind == 11) {
            sprite->isVisible() ? sprite->hide() : sprite->show();
        } else if (kind == 12) {
            sprite->setZOrder(randomZ());
        } else {
            // The way a scene drops spent sprites: hide, then erase the entry.
            sprite->hide();
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }

    std::uint32_t pick(std::size_t count) { return static_cast<std::uint32_t>(random() % count); }
    std::int32_t randomZ() { return static_cast<std::int32_t>(pick(4)); } // plenty of ties
    std::int32_t coordinate(std::uint32_t size) { return static_cast<std::int32_t>(pick(size + 80)) - 40; }

    std::uint8_t randomOpacity()
    {
        static constexpr std::uint8_t special[] = {0, 1, 128, 254, 255};
        return pick(2) ? special[pick(5)] : static_cast<std::uint8_t>(pick(256));
    }

    Rect randomRect(Screen& screen)
    {
        std::int32_t left = coordinate(screen.getWidth());
        std::int32_t top = coordinate(screen.getHeight());
        return Rect{left, top, left + static_cast<std::int32_t>(pick(200)),
                    top + static_cast<std::int32_t>(pick(60))};
    }

    void resize(ImageSprite& image)
    {
        image.setSize(pick(120), pick(90));
        image.setSmooth(pick(2) == 0);
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
        static constexpr std::uint8_t levels[] = {0, 1, 127, 128, 254, 255};
        if (transitions == Transitions::Any) {
            screen.setTransitionLevel(pick(2) ? levels[pick(6)] : static_cast<std::uint8_t>(pick(256)));
            screen.invalidate();
            screen.setTransitionRule(pick(2) ? rule : nullptr);
        } else if (transitions == Transitions::CrossFade || transitions == Transitions::RuleWipe) {
            screen.setTransitionLevel(static_cast<std::uint8_t>(1 + pick(254)));
            screen.invalidate();
        }
    }

    std::shared_ptr<Image> randomImage(PixelFormat format, std::uint32_t width, std::uint32_t height)
    {
        auto image = std::make_shared<Image>(width, height, format);
        std::generate_n(image->getPixels(), std::size_t{image->getPitch()} * height,
                        [this] { return static_cast<unsigned char>(random()); });
        return image;
    }

    std::mt19937 random;
    std::mt19937 counts;
    Transitions transitions;
    std::vector<std::shared_ptr<Image>> images;
    std::shared_ptr<Image> rule;
};

} // namespace vantrel::testing
