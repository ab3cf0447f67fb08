#pragma once

#include "engine/io/ISeekable.h"
#include "engine/io/ISequentialStreamReader.h"

namespace vantrel {

// A reader that can also be positioned.
class IStreamReader : public ISequentialStreamReader, public virtual ISeekable {
};

} // namespace vantrel
