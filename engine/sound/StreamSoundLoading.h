#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/io/IStreamReader.h>
#include <vantrel/sound/ISoundManager.h>

namespace vantrel {

/// Reads the whole stream and loads it through `manager` from memory. An empty stream or
/// one longer than 4 GiB - 1 gives an empty pointer; a short or failed read throws the
/// IoException naming `method`.
std::shared_ptr<ISound> loadSoundFromStream(ISoundManager& manager, std::int32_t id, IStreamReader& stream,
                                            const char* method);

} // namespace vantrel
