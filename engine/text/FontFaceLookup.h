#pragma once

#include <string>

namespace vantrel {

/// Where a face lives and what it is called.
struct FontFace {
    std::string file; ///< the font file
    int index = 0; ///< the face's index in the file
    std::string family; ///< the family name the face reports
};

/// Asks fontconfig (system rules plus our aliases) for the face best matching the name
/// and style. Some face is always found where any font is installed. Thread-safe.
FontFace findFontFace(const char* faceName, bool bold, bool italic);

} // namespace vantrel
