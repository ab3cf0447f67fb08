#pragma once

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// The scene's picture: a sunset over mountains and a lake, 320 x 240. It is opaque down
// to row 187, so that stretched to 1366 pixels wide (1024 rows) every visible row is
// solid; below, the lake's reflection fades out to transparent.
RgbaImage makeSunsetPicture();

} // namespace vantrel::datagen
