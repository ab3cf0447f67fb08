#include "tools/datagen/Picture.h"

#include <cmath>

#include "tools/datagen/Noise.h"

namespace vantrel::datagen {

namespace {

constexpr std::uint32_t pictureWidth = 320;
constexpr std::uint32_t pictureHeight = 240;
constexpr float horizon = 124.0f;
constexpr float sunX = 160.0f;
constexpr float sunY = 90.0f;
constexpr float sunRadius = 42.0f;
constexpr float opaqueRows = 188.0f;

Rgba add(const Rgba& a, const Rgba& b, float amount)
{
    return Rgba{a.r + b.r * amount, a.g + b.g * amount, a.b + b.b * amount, a.a};
}

Rgba scale(const Rgba& a, float factor)
{
    return Rgba{a.r * factor, a.g * factor, a.b * factor, a.a};
}

Rgba skyColour(float y)
{
    struct Stop {
        float y;
        Rgba colour;
    };
    static const Stop stops[] = {
        {0.0f, rgb(20, 14, 62)},      {38.0f, rgb(66, 28, 118)}, {78.0f, rgb(186, 62, 128)},
        {106.0f, rgb(248, 126, 98)}, {horizon, rgb(255, 200, 116)},
    };
    if (y <= stops[0].y) {
        return stops[0].colour;
    }
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (y <= stops[i].y) {
            float t = (y - stops[i - 1].y) / (stops[i].y - stops[i - 1].y);
            return mix(stops[i - 1].colour, stops[i].colour, t);
        }
    }
    return stops[std::size(stops) - 1].colour;
}

// Taller towards the edges, so the sun sets into a valley.
float farRidge(float x)
{
    float edge = (x - sunX) / sunX;
    return 101.0f + 18.0f * (2.0f * fractalNoise(x / 52.0f, 0.5f, 5, 3) - 1.0f) - 32.0f * edge * edge;
}

float nearRidge(float x)
{
    float edge = (x - sunX) / sunX;
    float ridge = 114.0f + 9.0f * (2.0f * fractalNoise(x / 34.0f, 4.5f, 5, 11) - 1.0f)
                  - 40.0f * edge * edge;
    return std::min(ridge, horizon - 1.5f);
}

bool inSunStripeGap(float y)
{
    float below = y - (sunY - 2.0f);
    if (below <= 0.0f) {
        return false;
    }
    float gap = 0.6f + below / sunRadius * 5.0f;
    return std::fmod(below, 6.5f) < gap;
}

Rgba aboveHorizon(float x, float y)
{
    Rgba colour = skyColour(y);
    float dx = x - sunX;
    float dy = y - sunY;
    float distance = std::sqrt(dx * dx + dy * dy);
    colour = add(colour, rgb(255, 150, 96), 0.42f * std::exp(-std::max(0.0f, distance - sunRadius) / 16.0f));
    colour = add(colour, rgb(255, 110, 120), 0.22f * std::exp(-distance / 80.0f));
    if (distance < sunRadius && !inSunStripeGap(y)) {
        float t = smoothstep(sunY - sunRadius, sunY + sunRadius, y);
        colour = mix(rgb(255, 244, 160), rgb(255, 78, 124), t);
    }
    float far = farRidge(x);
    if (y > far) {
        float depth = clamp01((y - far) / (horizon - far + 1.0f));
        colour = mix(rgb(142, 64, 158), rgb(214, 118, 156), depth);
        float sunward = std::exp(-std::fabs(dx) / 70.0f);
        colour = add(colour, rgb(255, 190, 140), 0.55f * sunward * std::exp(-(y - far) / 1.6f));
    }
    float near = nearRidge(x);
    if (y > near) {
        float depth = clamp01((y - near) / (horizon - near + 1.0f));
        colour = mix(rgb(74, 28, 98), rgb(40, 14, 60), depth);
        float sunward = std::exp(-std::fabs(dx) / 60.0f);
        colour = add(colour, rgb(255, 160, 140), 0.35f * sunward * std::exp(-(y - near) / 1.2f));
    }
    return colour;
}

Rgba lake(float x, float y)
{
    float distance = y - horizon;
    float ripple = std::sin(y * 0.62f + 1.4f * std::sin(x * 0.043f + y * 0.11f))
                   * (0.6f + distance * 0.09f);
    float mirrored = horizon - distance * 1.15f;
    Rgba colour = aboveHorizon(x + ripple, std::max(0.0f, mirrored));
    colour = scale(colour, 0.78f * mix(1.0f, 0.55f, clamp01(distance / (pictureHeight - horizon))));
    colour = add(colour, rgb(18, 8, 52), 0.6f);
    // Glints on the water under the sun.
    float glint = hashUnit(static_cast<std::uint32_t>(x / 3.0f), static_cast<std::uint32_t>(y), 29);
    float underSun = std::exp(-std::pow((x - sunX) / 30.0f, 2.0f)) * std::exp(-distance / 60.0f);
    if (glint > 0.9f) {
        colour = add(colour, rgb(255, 210, 160), 0.32f * underSun);
    }
    return colour;
}

Rgba sceneAt(float x, float y)
{
    Rgba colour = y < horizon ? aboveHorizon(x, y) : lake(x, y);
    // Haze along the horizon line.
    colour = add(colour, rgb(255, 206, 150), 0.3f * std::exp(-std::fabs(y - horizon) / 1.3f));
    return colour;
}

void addStars(RgbaCanvas& canvas)
{
    for (std::uint32_t star = 0; star < 80; ++star) {
        float sx = hashUnit(star, 0, 20240917u) * pictureWidth;
        float sy = hashUnit(star, 1, 20240917u) * 78.0f;
        float brightness = (0.35f + 0.65f * hashUnit(star, 2, 20240917u)) * (1.0f - sy / 90.0f);
        if (sy > farRidge(sx) - 2.0f || std::hypot(sx - sunX, sy - sunY) < sunRadius + 10.0f) {
            continue;
        }
        for (int y = static_cast<int>(sy) - 2; y <= static_cast<int>(sy) + 2; ++y) {
            for (int x = static_cast<int>(sx) - 2; x <= static_cast<int>(sx) + 2; ++x) {
                if (x < 0 || y < 0 || x >= static_cast<int>(pictureWidth)) {
                    continue;
                }
                float dx = x + 0.5f - sx;
                float dy = y + 0.5f - sy;
                float light = brightness * std::exp(-(dx * dx + dy * dy) / 0.7f);
                Rgba& p = canvas.at(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
                p = add(p, rgb(255, 250, 235), light);
            }
        }
    }
}

} // namespace

RgbaImage makeSunsetPicture()
{
    RgbaCanvas canvas(pictureWidth, pictureHeight);
    constexpr int samples = 4;
    for (std::uint32_t y = 0; y < pictureHeight; ++y) {
        for (std::uint32_t x = 0; x < pictureWidth; ++x) {
            Rgba sum{0.0f, 0.0f, 0.0f, 0.0f};
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    Rgba c = sceneAt(x + (sx + 0.5f) / samples, y + (sy + 0.5f) / samples);
                    sum = Rgba{sum.r + c.r, sum.g + c.g, sum.b + c.b, 0.0f};
                }
            }
            float alpha = 1.0f - smoothstep(opaqueRows, static_cast<float>(pictureHeight), y + 0.5f);
            canvas.at(x, y) = Rgba{sum.r / (samples * samples), sum.g / (samples * samples),
                                   sum.b / (samples * samples), y < opaqueRows ? 1.0f : alpha};
        }
    }
    addStars(canvas);
    return toImage(canvas);
}

} // namespace vantrel::datagen
