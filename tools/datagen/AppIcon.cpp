#include "tools/datagen/AppIcon.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "tools/datagen/IcoFile.h"

namespace vantrel::datagen {

namespace {

// Distance from (px, py) to the segment from the origin to (ex, ey).
float segmentDistance(float px, float py, float ex, float ey)
{
    float t = clamp01((px * ex + py * ey) / (ex * ex + ey * ey));
    return std::hypot(px - ex * t, py - ey * t);
}

// Coverage of the rounded square, in coordinates from -1 to 1.
float tileCoverage(float x, float y, float pixel)
{
    constexpr float half = 0.94f;
    constexpr float radius = 0.3f;
    float qx = std::max(std::abs(x) - (half - radius), 0.0f);
    float qy = std::max(std::abs(y) - (half - radius), 0.0f);
    float outside = std::hypot(qx, qy) - radius;
    return clamp01(0.5f - outside / pixel);
}

// Coverage of a stroke whose middle line is `distance` away, with an edge one pixel wide.
float strokeCoverage(float distance, float halfWidth, float pixel)
{
    return clamp01(0.5f - (distance - halfWidth) / pixel);
}

// Six arms with two side branches each; strokes grow on small icons to stay visible.
float crystalCoverage(float x, float y, float stroke, float pixel)
{
    float coverage = strokeCoverage(std::hypot(x, y), 0.11f + stroke, pixel);
    for (int arm = 0; arm < 6; ++arm) {
        float angle = static_cast<float>(arm) * std::numbers::pi_v<float> / 3.0f + std::numbers::pi_v<float> / 2.0f;
        float ex = std::cos(angle) * 0.62f;
        float ey = std::sin(angle) * 0.62f;
        coverage = std::max(coverage, strokeCoverage(segmentDistance(x, y, ex, ey), stroke, pixel));
        float bx = ex * 0.55f;
        float by = ey * 0.55f;
        for (float turn : {1.0f, -1.0f}) {
            float side = angle + turn * std::numbers::pi_v<float> / 4.0f;
            float d = segmentDistance(x - bx, y - by, std::cos(side) * 0.24f, std::sin(side) * 0.24f);
            coverage = std::max(coverage, strokeCoverage(d, stroke * 0.8f, pixel));
        }
    }
    return coverage;
}

Rgba skyColour(float y)
{
    float t = clamp01((y + 0.94f) / 1.88f);
    return t < 0.55f ? mix(rgb(26, 20, 84), rgb(150, 54, 132), t / 0.55f)
                     : mix(rgb(150, 54, 132), rgb(255, 150, 90), (t - 0.55f) / 0.45f);
}

} // namespace

RgbaImage makeAppIcon(std::uint32_t size)
{
    RgbaCanvas canvas(size, size);
    const float pixel = 2.0f / static_cast<float>(size);
    const float stroke = std::max(0.055f, 0.7f * pixel);
    constexpr int samples = 4;
    for (std::uint32_t py = 0; py < size; ++py) {
        for (std::uint32_t px = 0; px < size; ++px) {
            Rgba sum{0.0f, 0.0f, 0.0f, 0.0f};
            for (int s = 0; s < samples * samples; ++s) {
                float x = (static_cast<float>(px) + (s % samples + 0.5f) / samples) * pixel - 1.0f;
                float y = (static_cast<float>(py) + (s / samples + 0.5f) / samples) * pixel - 1.0f;
                float tile = tileCoverage(x, y, pixel);
                Rgba colour = mix(skyColour(y), rgb(246, 250, 255), crystalCoverage(x, y, stroke, pixel));
                // Premultiplied while summing, so the edge keeps the tile's colour.
                sum.r += colour.r * tile;
                sum.g += colour.g * tile;
                sum.b += colour.b * tile;
                sum.a += tile;
            }
            Rgba& out = canvas.at(px, py);
            out.a = sum.a / (samples * samples);
            if (sum.a > 0.0f) {
                out.r = sum.r / sum.a;
                out.g = sum.g / sum.a;
                out.b = sum.b / sum.a;
            }
        }
    }
    return toImage(canvas);
}

void writeAppIcon(const std::string& path)
{
    std::vector<RgbaImage> pictures;
    for (std::uint32_t size : {16, 20, 24, 32, 40, 48, 64, 96, 256}) {
        pictures.push_back(makeAppIcon(size));
    }
    writeIco(path, pictures);
}

} // namespace vantrel::datagen
