#include <gtest/gtest.h>

#include <cstring>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngWriter.h>

#include "tests/io/TemporaryDirectory.h"

// Every format saveImage takes comes back as the straight RGBA it stands for.
TEST(PngWriter, SavedImagesLoadBackAsTheirColours)
{
    struct Case {
        vantrel::PixelFormat format;
        std::vector<unsigned char> pixel; // as stored
        std::vector<unsigned char> loaded; // blue, green, red, alpha (gray: the level)
    };
    const std::vector<Case> cases = {
        {vantrel::PixelFormat::Gray8, {77}, {77}},
        {vantrel::PixelFormat::Bgr24, {10, 20, 30}, {10, 20, 30, 255}},
        {vantrel::PixelFormat::GrayAlpha16, {90, 128}, {90, 90, 90, 128}},
        {vantrel::PixelFormat::Bgra32, {10, 20, 30, 40}, {10, 20, 30, 40}},
        {vantrel::PixelFormat::Bgrx32, {10, 20, 30, 0}, {10, 20, 30, 255}},
    };
    TemporaryDirectory folder;
    for (const Case& c : cases) {
        vantrel::Image image(3, 2, c.format);
        for (std::uint32_t y = 0; y < 2; ++y) {
            for (std::uint32_t x = 0; x < 3; ++x) {
                std::memcpy(image.row(y) + x * c.pixel.size(), c.pixel.data(), c.pixel.size());
            }
        }
        const std::string name = folder.file("saved.png");
        vantrel::saveImage(name.c_str(), image);
        auto loaded = vantrel::loadImage(name.c_str());
        ASSERT_EQ(loaded->getWidth(), 3u);
        ASSERT_EQ(loaded->getHeight(), 2u);
        const unsigned char* last = loaded->row(1) + 2 * c.loaded.size();
        EXPECT_EQ(std::vector<unsigned char>(last, last + c.loaded.size()), c.loaded)
            << static_cast<int>(c.format);
    }
}

TEST(PngWriter, RefusesEmptyImagesAndUnwritablePaths)
{
    TemporaryDirectory folder;
    const unsigned char pixel[4] = {};
    EXPECT_THROW(vantrel::writePng(folder.file("empty.png").c_str(), 0, 1, vantrel::PngRows::Rgba32, pixel, 4),
                 vantrel::IoException);
    EXPECT_THROW(vantrel::writePng(folder.file("short.png").c_str(), 2, 1, vantrel::PngRows::Rgba32, pixel, 4),
                 vantrel::IoException);
    EXPECT_THROW(vantrel::writePng(folder.file("no/such/folder.png").c_str(), 1, 1, vantrel::PngRows::Gray8, pixel, 1),
                 vantrel::Win32Exception);
}
