#include "app/StringTable.h"

#include "app/CommandIds.h"

namespace vantrel {

const char* loadString(int id) noexcept
{
    switch (id) {
    case displayChangeFailedString:
        return VANTREL_DISPLAY_CHANGE_FAILED_TEXT;
    case displayTooSmallString:
        return VANTREL_DISPLAY_TOO_SMALL_TEXT;
    case captionString:
        return VANTREL_CAPTION_TEXT;
    default:
        return nullptr;
    }
}

} // namespace vantrel
