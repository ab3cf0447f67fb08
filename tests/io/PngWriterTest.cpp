#include <gtest/gtest.h>

#include <cstring>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngWriter.h>

#include "tests/support/TemporaryDirectory.h"

using namespace vantrel;

// Every format saveImage takes comes back as the straight RGBA it stands for.
TEST(PngWriter, SavedImagesLoadBackAsTheirColours)
{
    struct Case {
        PixelFormat format;
        std::vector<unsigned char> pixel; // as stored
        std::vector<unsigned char> loaded; // blue, green, red, alpha (gray: the level)
    };
    const std::vector<Case> cases = {
        {PixelFormat::Gray8, {77}, {77}},
        {PixelFormat::Bgr24, {10, 20, 30}, {10, 20, 30, 255}},
        {PixelFormat::GrayAlpha16, {90, 128}, {90, 90, 90, 128}},
        {PixelFormat::Bgra32, {10, 20, 30, 40}, {10, 20, 30, 40}},
        {PixelFormat::Bgrx32, {10, 20, 30, 0}, {10, 20, 30, 255}},
    };
    TemporaryDirectory folder;
    for (const Case& c : cases) {
        Image image(3, 2, c.format);
        for (std::uint32_t i = 0; i < 6; ++i) {
            std::memcpy(image.row(i / 3) + i % 3 * c.pixel.size(), c.pixel.data(), c.pixel.size());
        }
        const std::string name = folder.file("saved.png");
        saveImage(name.c_str(), image);
        auto loaded = loadImage(name.c_str());
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
    EXPECT_THROW(writePng(folder.file("empty.png").c_str(), 0, 1, PngRows::Rgba32, pixel, 4), IoException);
    EXPECT_THROW(writePng(folder.file("short.png").c_str(), 2, 1, PngRows::Rgba32, pixel, 4), IoException);
    EXPECT_THROW(writePng(folder.file("no/such/folder.png").c_str(), 1, 1, PngRows::Gray8, pixel, 1),
                 Win32Exception);
}
