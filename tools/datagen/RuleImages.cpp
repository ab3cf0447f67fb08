#include "tools/datagen/RuleImages.h"

#include <array>
#include <cmath>
#include <numbers>
#include <random>

#include "tools/datagen/Noise.h"

namespace vantrel::datagen {

namespace {

// `order` 0 changes over first, 1 last.
std::uint8_t fromOrder(float order)
{
    return static_cast<std::uint8_t>(std::lround(255.0f * (1.0f - clamp01(order))));
}

float orderAt(RuleKind kind, float x, float y, float width, float height)
{
    const float cx = width / 2.0f;
    const float cy = height / 2.0f;
    switch (kind) {
    case RuleKind::LeftToRight:
        return x / (width - 1.0f);
    case RuleKind::TopToBottom:
        return y / (height - 1.0f);
    case RuleKind::Diagonal:
        return (x + y) / (width + height - 2.0f);
    case RuleKind::Radial:
        return std::hypot(x + 0.5f - cx, y + 0.5f - cy) / std::hypot(cx, cy);
    case RuleKind::Blinds: {
        constexpr float slat = 48.0f;
        return 0.8f * std::fmod(y, slat) / (slat - 1.0f) + 0.2f * y / (height - 1.0f);
    }
    case RuleKind::Clock: {
        float angle = std::atan2(x + 0.5f - cx, cy - (y + 0.5f));
        if (angle < 0.0f) {
            angle += 2.0f * std::numbers::pi_v<float>;
        }
        return angle / (2.0f * std::numbers::pi_v<float>);
    }
    case RuleKind::Diamonds: {
        constexpr float cell = 64.0f;
        float cellX = std::floor(x / cell) * cell + cell / 2.0f;
        float cellY = std::floor(y / cell) * cell + cell / 2.0f;
        float within = (std::fabs(x + 0.5f - cellX) + std::fabs(y + 0.5f - cellY)) / cell;
        float cascade = (cellX + cellY) / (width + height);
        return 0.55f * within + 0.45f * cascade;
    }
    default:
        return 0.0f;
    }
}

GrayImage makeDissolve(std::uint32_t width, std::uint32_t height)
{
    GrayImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    std::mt19937 generator(7);
    for (std::uint8_t& pixel : image.pixels) {
        pixel = static_cast<std::uint8_t>(generator() >> 24);
    }
    return image;
}

// Soft cloudy noise, equalised so that every grey level covers the same area and the
// wipe advances at an even pace.
GrayImage makeClouds(std::uint32_t width, std::uint32_t height)
{
    std::vector<float> field(static_cast<std::size_t>(width) * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            field[static_cast<std::size_t>(y) * width + x] = fractalNoise(x / 170.0f, y / 170.0f, 6, 43);
        }
    }
    constexpr std::size_t bins = 4096;
    std::vector<std::size_t> histogram(bins);
    auto binOf = [](float v) {
        return std::min(bins - 1, static_cast<std::size_t>(clamp01(v) * bins));
    };
    for (float v : field) {
        ++histogram[binOf(v)];
    }
    std::vector<std::uint8_t> level(bins);
    std::size_t below = 0;
    for (std::size_t bin = 0; bin < bins; ++bin) {
        std::size_t middle = below + histogram[bin] / 2;
        level[bin] = static_cast<std::uint8_t>(middle * 256 / field.size());
        below += histogram[bin];
    }
    GrayImage image{width, height, std::vector<std::uint8_t>(field.size())};
    for (std::size_t i = 0; i < field.size(); ++i) {
        image.pixels[i] = level[binOf(field[i])];
    }
    return image;
}

} // namespace

GrayImage makeRuleImage(RuleKind kind, std::uint32_t width, std::uint32_t height)
{
    if (kind == RuleKind::Dissolve) {
        return makeDissolve(width, height);
    }
    if (kind == RuleKind::Clouds) {
        return makeClouds(width, height);
    }
    GrayImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            image.pixels[static_cast<std::size_t>(y) * width + x] =
                fromOrder(orderAt(kind, static_cast<float>(x), static_cast<float>(y), w, h));
        }
    }
    return image;
}

} // namespace vantrel::datagen
