#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// A Windows icon file of square pictures of at most 256 pixels: 32-bit bitmaps with an
// empty mask (alpha carries the shape), the 256-pixel one as PNG as the system expects.
std::vector<std::uint8_t> encodeIco(const std::vector<RgbaImage>& pictures);

// Writes encodeIco's result; throws std::runtime_error naming the file on failure.
void writeIco(const std::string& path, const std::vector<RgbaImage>& pictures);

} // namespace vantrel::datagen
