#pragma once

#include <memory>

#include "app/MessageBoxLayout.h"
#include <vantrel/image/Image.h>
#include <vantrel/text/IFont.h>

namespace vantrel {

// Draws a warning box with the engine's own fills and text: the face, the warning icon,
// the text lines and the OK button (pressed or not; it always has the keyboard focus).
// `image` is layout.width x layout.height. Without a font the texts stay blank.
void paintMessageBox(Image& image, const MessageBoxLayout& layout, IFont* font, bool buttonPressed);

} // namespace vantrel
