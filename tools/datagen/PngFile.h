#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// Write 8-bit PNG files; throw std::runtime_error naming the file on failure.
void writePng(const std::string& path, const GrayImage& image);
void writePng(const std::string& path, const RgbaImage& image);
// The same PNG file's bytes.
std::vector<std::uint8_t> encodePng(const RgbaImage& image);

} // namespace vantrel::datagen
