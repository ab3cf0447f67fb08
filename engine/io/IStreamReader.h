#pragma once

#include <vantrel/io/ISeekable.h>
#include <vantrel/io/ISequentialStreamReader.h>

namespace vantrel {

/// A reader that can also be positioned.
class IStreamReader : public ISequentialStreamReader, public virtual ISeekable {
};

} // namespace vantrel
