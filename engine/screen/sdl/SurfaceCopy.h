#pragma once

#include <SDL.h>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

// Copies `source` rectangle of a 32-bit image into `surface` with its top-left corner at
// `destination`, converting to the surface's pixel format. Both sides are clipped; the
// result is the rectangle written, in surface coordinates (empty when nothing was).
// Main thread only, like every call on a window surface.
Rect copyToSurface(const Image& image, const Rect& source, SDL_Surface* surface, Point destination);

} // namespace vantrel
