#pragma once

#include <memory>

#include <vantrel/sound/ISoundManager.h>

namespace vantrel {

/// The platform's audible back end, chosen by the build. Throws a standard exception
/// (normally ComException) when audio cannot start; SoundManager then goes silent.
std::shared_ptr<ISoundManager> createAudibleSoundManager();

} // namespace vantrel
