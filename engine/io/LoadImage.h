#pragma once

#include <memory>

#include <vantrel/image/Image.h>

namespace vantrel {

/// Reads a PNG stream from a file into a new image; the name's extension plays no part.
std::shared_ptr<Image> loadImage(const char* fileName);

} // namespace vantrel
