#pragma once

namespace vantrel {

// The fontconfig rules of FontFaceAliases.conf, compiled in so that a fresh checkout
// needs nothing installed under /etc.
extern const char fontFaceAliases[];

} // namespace vantrel
