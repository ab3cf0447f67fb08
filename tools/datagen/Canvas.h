#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantrel::datagen {

inline float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

// 0 below edge0, 1 above edge1, a smooth cubic in between (edge0 > edge1 reverses it).
inline float smoothstep(float edge0, float edge1, float v)
{
    float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

inline float mix(float a, float b, float t)
{
    return a + (b - a) * t;
}

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

inline Rgba mix(const Rgba& x, const Rgba& y, float t)
{
    return Rgba{mix(x.r, y.r, t), mix(x.g, y.g, t), mix(x.b, y.b, t), mix(x.a, y.a, t)};
}

// 8-bit sRGB triple as a colour.
inline Rgba rgb(int r, int g, int b)
{
    return Rgba{r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

class RgbaCanvas {
public:
    RgbaCanvas(std::uint32_t width, std::uint32_t height)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height)
    {
    }

    std::uint32_t getWidth() const noexcept { return width; }
    std::uint32_t getHeight() const noexcept { return height; }
    Rgba& at(std::uint32_t x, std::uint32_t y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(std::uint32_t x, std::uint32_t y) const
    {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }

    // Rows of R, G, B, A bytes. A fixed dither of under one step hides banding in the
    // gradients once a picture is stretched to the full screen.
    std::vector<std::uint8_t> toBytes() const;

private:
    std::uint32_t width;
    std::uint32_t height;
    std::vector<Rgba> pixels;
};

struct GrayImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels; // one byte per pixel, rows top to bottom
};

struct RgbaImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels; // R, G, B, A per pixel, rows top to bottom
};

inline RgbaImage toImage(const RgbaCanvas& canvas)
{
    return RgbaImage{canvas.getWidth(), canvas.getHeight(), canvas.toBytes()};
}

} // namespace vantrel::datagen
