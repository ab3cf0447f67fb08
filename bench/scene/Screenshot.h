#pragma once

#include <string>

#include <vantrel/image/Image.h>

// Writes a 32-bit frame (blue, green, red, unused) as an opaque RGB PNG file.
void writeScreenshot(const std::string& path, const vantrel::Image& frame);
