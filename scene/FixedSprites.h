#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Image.h>
#include <vantrel/screen/Screen.h>

// The drawn height of a picture stretched to `screenWidth` with its aspect ratio kept:
// height x screenWidth / width in unsigned 32-bit arithmetic, truncated (0 for an empty
// picture).
std::uint32_t stretchedHeight(std::uint32_t width, std::uint32_t height, std::uint32_t screenWidth);

// Layer 0: the white background (id 0), a red square (id 10), a staircase of 50
// half-transparent copies of `picture` (ids 11 to 60; skipped without a picture) and a
// translucent green square (id 50).
void createBaseLayerSprites(vantrel::Screen& screen, const std::shared_ptr<vantrel::Image>& picture);

// Layer 1: `picture` stretched to the full width (id 0) under two half-transparent copies
// in the top left (id 11) and bottom right (id 12) corners. Nothing without a picture.
void createFadeLayerSprites(vantrel::Screen& screen, const std::shared_ptr<vantrel::Image>& picture);
