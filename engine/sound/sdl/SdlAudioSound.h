#pragma once

#include <memory>
#include <vector>

#include <vantrel/sound/ISound.h>
#include <vantrel/sound/sdl/SdlAudioMixer.h>
#include <vantrel/sound/sdl/SdlAudioVoice.h>
#include <vantrel/sound/WaveDataReader.h>

namespace vantrel {

// One WAVE data chunk kept whole in memory and played once from the start after rewind and
// start; stop pauses it. It may outlive its manager: it then simply stays silent.
class SdlAudioSound : public ISound {
public:
    SdlAudioSound(std::shared_ptr<SdlAudioMixer> mixer, WaveDataReader& reader);
    ~SdlAudioSound() override;
    SdlAudioSound(const SdlAudioSound&) = delete;
    SdlAudioSound& operator=(const SdlAudioSound&) = delete;

protected:
    void startImpl() override;
    void stopImpl() override;
    void rewindImpl() override;

private:
    std::shared_ptr<SdlAudioMixer> mixer;
    std::unique_ptr<SdlAudioVoice> voice;
    std::vector<unsigned char> samples;
};

} // namespace vantrel
