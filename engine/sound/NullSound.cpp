#include "engine/sound/NullSound.h"

#include "engine/base/Exception.h"

namespace vantrel {

NullSound::NullSound(WaveDataReader& reader)
{
    samples.resize(reader.getDataSize());
    if (reader.read(samples.data(), samples.size()) < samples.size()) {
        throw IoException(format("Invalid file format in %s method.", "vantrel::NullSound::NullSound"));
    }
    rewindImpl();
}

void NullSound::startImpl() {}

void NullSound::stopImpl() {}

void NullSound::rewindImpl() {}

} // namespace vantrel
