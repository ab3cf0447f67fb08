#include "bench/scene/Screenshot.h"

#include "tools/datagen/PngFile.h"

void writeScreenshot(const std::string& path, const vantrel::Image& frame)
{
    vantrel::datagen::RgbaImage picture{frame.getWidth(), frame.getHeight(), {}};
    picture.pixels.resize(std::size_t{frame.getWidth()} * frame.getHeight() * 4);
    std::uint8_t* out = picture.pixels.data();
    for (std::uint32_t y = 0; y < frame.getHeight(); ++y) {
        const unsigned char* in = frame.row(y);
        for (std::uint32_t x = 0; x < frame.getWidth(); ++x, in += 4, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = 255;
        }
    }
    vantrel::datagen::writePng(path, picture);
}
