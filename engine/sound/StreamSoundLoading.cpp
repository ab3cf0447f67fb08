#include <vantrel/sound/StreamSoundLoading.h>

#include <vector>

#include <vantrel/base/Exception.h>

namespace vantrel {

std::shared_ptr<ISound> loadSoundFromStream(ISoundManager& manager, std::int32_t id, IStreamReader& stream,
                                            const char* method)
{
    std::int64_t length = stream.getLength();
    if (length <= 0 || length > 0xFFFFFFFF) {
        return nullptr;
    }
    std::vector<unsigned char> buffer(static_cast<std::size_t>(length));
    if (stream.read(buffer.data(), buffer.size()) < buffer.size()) {
        throw IoException(format("Invalid file format in %s method.", method));
    }
    return manager.loadSound(id, buffer.data(), static_cast<std::uint32_t>(length));
}

} // namespace vantrel
