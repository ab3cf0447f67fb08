#include <vantrel/text/FontFaceLookup.h>

namespace vantrel {

// A page has no font configuration to ask: every face the scene names (a Japanese
// proportional gothic, by its Windows names) is the IPA P Gothic file shipped beside the
// page, the face fontconfig chooses for those names on Linux.
FontFace findFontFace(const char*, bool, bool)
{
    return FontFace{"ipagp.ttf", 0, "IPAPGothic"};
}

} // namespace vantrel
