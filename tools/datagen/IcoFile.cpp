#include "tools/datagen/IcoFile.h"

#include <fstream>
#include <stdexcept>

#include "tools/datagen/LittleEndian.h"
#include "tools/datagen/PngFile.h"

namespace vantrel::datagen {

namespace {

// BITMAPINFOHEADER (its height counts the colour rows and the mask rows), BGRA rows bottom
// up, then the 1-bit mask rows, each padded to 4 bytes.
std::vector<std::uint8_t> encodeBitmap(const RgbaImage& picture)
{
    const std::uint32_t maskRowBytes = (picture.width + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, picture.width);
    put32(out, picture.height * 2);
    put16(out, 1);
    put16(out, 32);
    for (int field = 0; field < 6; ++field) { // compression, sizes, resolution, colours
        put32(out, 0);
    }
    for (std::uint32_t row = picture.height; row-- > 0;) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = &picture.pixels[(static_cast<std::size_t>(row) * picture.width + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    out.resize(out.size() + static_cast<std::size_t>(maskRowBytes) * picture.height, 0);
    return out;
}

} // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<RgbaImage>& pictures)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const RgbaImage& picture : pictures) {
        if (picture.width != picture.height || picture.width == 0 || picture.width > 256) {
            throw std::runtime_error("an icon picture must be square and at most 256 pixels");
        }
        images.push_back(picture.width == 256 ? encodePng(picture) : encodeBitmap(picture));
    }
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(pictures[i].width)); // 256 is written as 0
        out.push_back(static_cast<std::uint8_t>(pictures[i].height));
        out.push_back(0); // no palette
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

void writeIco(const std::string& path, const std::vector<RgbaImage>& pictures)
{
    std::vector<std::uint8_t> bytes = encodeIco(pictures);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace vantrel::datagen
