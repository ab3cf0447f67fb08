#pragma once

#include <memory>

#include <vantrel/sound/WaveDataReader.h>
#include <vantrel/sound/xaudio2/XAudio2Api.h>
#include <vantrel/sound/xaudio2/XAudio2Sound.h>

namespace vantrel {

// A started XAudio2 engine with one mastering voice on the default device. Every sound
// made by it must be gone before it is destroyed.
class XAudio2Engine {
public:
    virtual ~XAudio2Engine() = default;
    virtual XAudio2Version getVersion() const noexcept = 0;
    virtual std::shared_ptr<XAudio2Sound> makeSound(WaveDataReader& reader) = 0;
};

// Each throws ComException naming `method` when its engine cannot start, including when
// there is no audio device; nothing of the engine is left behind then. COM must be
// initialised on the thread.
std::unique_ptr<XAudio2Engine> startXAudio27Engine(const char* method);
std::unique_ptr<XAudio2Engine> startXAudio29Engine(const char* method);

} // namespace vantrel
