#pragma once

#include <cstring>
#include <vector>

#include <vantrel/image/DrawingOperations.h>
#include <vantrel/screen/RuleTable.h>
#include <vantrel/screen/Screen.h>

namespace vantrel::testing {

// The picture a Screen should show, drawn from scratch: every visible sprite of each layer
// in z-order over the whole frame, then the layers combined at the transition level.
// Call it while nothing else changes the Screen (or under its lock).
inline Image drawLayerFromScratch(Screen& screen, std::uint8_t layerIndex)
{
    Image frame(screen.getWidth(), screen.getHeight(), PixelFormat::Bgrx32);
    std::memset(frame.getPixels(), 0, std::size_t{frame.getPitch()} * frame.getHeight());
    // A sorted copy: the drawer may not have sorted the layer's own list yet.
    SpriteManager sprites = screen.getSprites(layerIndex);
    sprites.sort();
    DrawCommands commands;
    DrawResources resources;
    for (auto& entry : sprites.entries) {
        entry.sprite->draw(commands, resources);
    }
    for (const DrawCommand& command : commands) {
        switch (command.kind) {
        case DrawCommandKind::Fill:
            fillRect(frame, nullptr, command.blendMode, command.bounds, command.color, command.opacity);
            break;
        case DrawCommandKind::Glyphs:
            drawGlyphs(frame, nullptr, command.blendMode, command.origin, command.glyphs,
                       command.count, command.color, command.opacity);
            break;
        case DrawCommandKind::ImageRect:
            drawImageRect(frame, nullptr, command.blendMode, command.bounds, *command.image,
                          command.sourceRect, command.opacity, command.smooth);
            break;
        case DrawCommandKind::ImagePoint:
            drawImage(frame, nullptr, command.blendMode, command.bounds, *command.image,
                      command.sourcePosition, command.opacity);
            break;
        }
    }
    return frame;
}

inline Image drawFrameFromScratch(Screen& screen)
{
    const std::uint8_t level = screen.getTransitionLevel();
    Image base = drawLayerFromScratch(screen, level == 255 ? 1 : 0);
    if (level == 0 || level == 255) {
        return base;
    }
    Image over = drawLayerFromScratch(screen, 1);
    Rect all{0, 0, static_cast<std::int32_t>(base.getWidth()), static_cast<std::int32_t>(base.getHeight())};
    if (const auto& rule = screen.getTransitionRule()) {
        drawTransition(base, all, over, Point{}, *rule, Point{},
                       buildRuleTable(levelWeight(level), screen.getRuleSoftness()));
    } else {
        drawImage(base, nullptr, BlendMode::Normal, all, over, Point{}, level);
    }
    return base;
}

// Index of the first differing pixel, or -1.
inline long firstDifference(const Image& a, const Image& b)
{
    for (std::uint32_t y = 0; y < a.getHeight(); ++y) {
        for (std::uint32_t x = 0; x < a.getWidth(); ++x) {
            if (std::memcmp(a.row(y) + 4 * x, b.row(y) + 4 * x, 4) != 0) {
                return static_cast<long>(y) * a.getWidth() + x;
            }
        }
    }
    return -1;
}

} // namespace vantrel::testing
