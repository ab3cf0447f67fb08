#include <vantrel/io/LoadImage.h>

#include <vantrel/io/FileStreamReader.h>
#include <vantrel/io/PngLoader.h>

namespace vantrel {

std::shared_ptr<Image> loadImage(const char* fileName)
{
    std::shared_ptr<IStreamReader> stream = std::make_shared<FileStreamReader>(fileName);
    PngLoader loader(stream);
    PixelFormat format = loader.getFormat();
    std::uint32_t height = loader.getHeight();
    std::uint32_t width = loader.getWidth();
    auto image = std::make_shared<Image>(width, height, format);
    for (std::uint32_t y = 0; y < loader.getHeight(); ++y) {
        loader.load(image->row(y), image->getPitch());
    }
    return image;
}

} // namespace vantrel
