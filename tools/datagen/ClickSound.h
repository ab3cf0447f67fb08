#pragma once

#include "tools/datagen/WaveFile.h"

namespace vantrel::datagen {

// A short wooden tick: a noise transient over two decaying partials, 16-bit mono
// 44.1 kHz, about 70 ms.
Pcm16Sound makeClickSound();

} // namespace vantrel::datagen
