#include <vantrel/sound/NullSound.h>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/PlayableWaveFormat.h>

namespace vantrel {

NullSound::NullSound(WaveDataReader& reader)
{
    constexpr const char* method = "vantrel::NullSound::NullSound";
    if (!playableWaveFormatOf(*reader.getWaveFormat())) {
        throw IoException(format("Invalid file format in %s method.", method));
    }
    samples.resize(reader.getDataSize());
    if (reader.read(samples.data(), samples.size()) < samples.size()) {
        throw IoException(format("Invalid file format in %s method.", method));
    }
    rewindImpl();
}

void NullSound::startImpl() {}

void NullSound::stopImpl() {}

void NullSound::rewindImpl() {}

} // namespace vantrel
