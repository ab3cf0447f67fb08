#pragma once

#include <vantrel/sound/ISound.h>
#include <vantrel/sound/WaveDataReader.h>

namespace vantrel {

// One sound kept by the page as Web Audio samples; the page's main thread plays it. The
// audio context starts with the first sound started, inside the click that starts it, as
// browsers require.
class WebAudioSound : public ISound {
public:
    // Throws IoException for a data chunk shorter than it says and ComException for a
    // format Web Audio is not given.
    explicit WebAudioSound(WaveDataReader& reader);
    ~WebAudioSound() override;
    WebAudioSound(const WebAudioSound&) = delete;
    WebAudioSound& operator=(const WebAudioSound&) = delete;

protected:
    void startImpl() override;
    void stopImpl() override;
    void rewindImpl() override;

private:
    int handle;
};

} // namespace vantrel
