#pragma once

#include <cstdint>
#include <string>

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// The program's icon at `size` x `size` pixels: a snow crystal in front of the scene's
// sunset sky, on a rounded square.
RgbaImage makeAppIcon(std::uint32_t size);

// The icon file of the Windows program: every size the shell asks for at 100 % to 200 %.
void writeAppIcon(const std::string& path);

} // namespace vantrel::datagen
