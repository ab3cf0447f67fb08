#include <vantrel/sound/StreamSoundLoading.h>

#include <vector>

#include <vantrel/base/Exception.h>

namespace vantrel {

std::shared_ptr<ISound> loadSoundFromStream(ISoundManager& manager, std::int32_t id, IStreamReader& stream,
                                            const char* method)
{
    std::vector<unsigned char> buffer;
    try {
        std::int64_t length = stream.getLength();
        if (length <= 0 || length > 0xFFFFFFFF) {
            return nullptr;
        }
        buffer.resize(static_cast<std::size_t>(length));
        if (stream.read(buffer.data(), buffer.size()) < buffer.size()) {
            buffer.clear();
        }
    } catch (const Win32Exception&) {
        // A stream that cannot be read (a folder given as the file) is no sound file: the
        // same answer as the picture loader's.
        buffer.clear();
    }
    if (buffer.empty()) {
        throw IoException(format("Invalid file format in %s method.", method));
    }
    return manager.loadSound(id, buffer.data(), static_cast<std::uint32_t>(buffer.size()));
}

} // namespace vantrel
