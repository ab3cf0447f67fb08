#include <vantrel/io/LoadImage.h>

#include <new>

#include <vantrel/base/Exception.h>
#include <vantrel/io/BufferedStreamReader.h>
#include <vantrel/io/FileStreamReader.h>
#include <vantrel/io/PngLoader.h>

namespace vantrel {

std::shared_ptr<Image> loadImage(const char* fileName)
{
    try {
        // libpng asks for a chunk's header, its data and its checksum one at a time.
        std::shared_ptr<IStreamReader> stream =
            std::make_shared<BufferedStreamReader>(std::make_shared<FileStreamReader>(fileName));
        PngLoader loader(stream);
        auto image = std::make_shared<Image>(loader.getWidth(), loader.getHeight(), loader.getFormat());
        loader.loadAll(image->getPixels(), image->getPitch());
        return image;
    } catch (const std::bad_alloc&) {
        throw Exception(format("Out of memory in %s method.", "vantrel::loadImage"));
    }
}

} // namespace vantrel
