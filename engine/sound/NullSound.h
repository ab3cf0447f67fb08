#pragma once

#include <vector>

#include <vantrel/sound/ISound.h>
#include <vantrel/sound/WaveDataReader.h>

namespace vantrel {

/// Keeps the samples of a WAVE file and plays nothing. It accepts exactly the formats the
/// audible back end plays; having no audio call to fail, it refuses the others as a damaged
/// file (IoException) where the audible one names its stream call (ComException).
class NullSound : public ISound {
public:
    /// A silent sound of the file's length.
    explicit NullSound(WaveDataReader& reader);

protected:
    void startImpl() override;
    void stopImpl() override;
    void rewindImpl() override;

private:
    std::vector<unsigned char> samples;
};

} // namespace vantrel
