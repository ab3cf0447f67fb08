#include <gtest/gtest.h>

#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/io/MemoryStreamReader.h"
#include "tests/io/PngTestFiles.h"
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

constexpr const char* constructorFailure = "Invalid file format in vantrel::PngLoader::PngLoader method.";
constexpr const char* loadFailure = "Invalid file format in vantrel::PngLoader::loadImpl method.";

std::shared_ptr<IStreamReader> memoryStream(std::vector<unsigned char> bytes, std::size_t failAt = SIZE_MAX)
{
    return std::make_shared<MemoryStreamReader>(std::move(bytes), failAt);
}

template <class Action>
std::string failureOf(Action action)
{
    try {
        action();
    } catch (const IoException& error) {
        return error.what();
    }
    return "";
}

// Loads rows until one fails; the failure must come before the last row and stay.
void expectLoadFailsPartWay(PngLoader& loader)
{
    std::vector<std::uint8_t> row(loader.getPitch());
    std::string failure;
    std::uint32_t y = 0;
    for (; y < loader.getHeight() && failure.empty(); ++y) {
        failure = failureOf([&] { loader.load(row.data(), row.size()); });
    }
    EXPECT_EQ(failure, loadFailure);
    EXPECT_LT(y, loader.getHeight());
    EXPECT_EQ(failureOf([&] { loader.load(row.data(), row.size()); }), loadFailure);
}

} // namespace

TEST(PngLoader, EveryTypeAndDepthMatchesPlainAndInterlaced)
{
    struct Case {
        int colorType;
        int bitDepth;
        bool transparency;
        PixelFormat format;
    };
    constexpr int gray = PNG_COLOR_TYPE_GRAY, grayAlpha = PNG_COLOR_TYPE_GRAY_ALPHA, rgb = PNG_COLOR_TYPE_RGB,
                  rgba = PNG_COLOR_TYPE_RGB_ALPHA, palette = PNG_COLOR_TYPE_PALETTE;
    const Case cases[] = {
        {gray, 1, false, PixelFormat::Gray8},          {gray, 2, false, PixelFormat::Gray8},
        {gray, 4, false, PixelFormat::Gray8},          {gray, 8, false, PixelFormat::Gray8},
        {gray, 16, false, PixelFormat::Gray8},         {gray, 2, true, PixelFormat::GrayAlpha16},
        {gray, 8, true, PixelFormat::GrayAlpha16},     {gray, 16, true, PixelFormat::GrayAlpha16},
        {grayAlpha, 8, false, PixelFormat::GrayAlpha16}, {grayAlpha, 16, false, PixelFormat::GrayAlpha16},
        {rgb, 8, false, PixelFormat::Bgr24},           {rgb, 16, false, PixelFormat::Bgr24},
        {rgb, 8, true, PixelFormat::Bgra32},           {rgb, 16, true, PixelFormat::Bgra32},
        {rgba, 8, false, PixelFormat::Bgra32},         {rgba, 16, false, PixelFormat::Bgra32},
        {palette, 1, false, PixelFormat::Bgr24},       {palette, 2, false, PixelFormat::Bgr24},
        {palette, 4, false, PixelFormat::Bgr24},       {palette, 8, false, PixelFormat::Bgr24},
        {palette, 4, true, PixelFormat::Bgra32},       {palette, 8, true, PixelFormat::Bgra32},
    };
    TemporaryDirectory directory;
    auto expectDecoded = [&](const PngPicture& picture, PixelFormat format) {
        auto image = loadImage(directory.write("picture.gra", encodePng(picture)).c_str());
        ASSERT_EQ(image->getFormat(), format);
        EXPECT_EQ(image->getWidth(), picture.width);
        EXPECT_EQ(image->getHeight(), picture.height);
        EXPECT_EQ(image->getPitch(), picture.width * bytesPerPixel(format));
        std::vector<std::uint8_t> expected = expectedRows(picture);
        ASSERT_EQ(expected.size(), std::size_t{image->getPitch()} * image->getHeight());
        EXPECT_EQ(std::memcmp(image->getPixels(), expected.data(), expected.size()), 0);
    };
    for (const Case& c : cases) {
        // 13 x 11 leaves partial Adam7 blocks and rows that end inside a byte.
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << "type " << c.colorType << " depth " << c.bitDepth
                                            << (c.transparency ? " tRNS" : "") << (interlaced ? " interlaced" : ""));
            expectDecoded(makePicture(13, 11, c.colorType, c.bitDepth, interlaced, c.transparency,
                                      static_cast<std::uint32_t>(c.colorType * 100 + c.bitDepth)),
                          c.format);
        }
    }
    // Interlaced pictures too small to fill every pass.
    for (auto [width, height] : {std::pair{1u, 1u}, std::pair{9u, 1u}, std::pair{1u, 9u}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        expectDecoded(makePicture(width, height, rgb, 8, true, false, width + height), PixelFormat::Bgr24);
    }
}

TEST(PngLoader, LoadWritesOneRowAndRefusesShortDestinationsAndExtraRows)
{
    PngPicture picture = makePicture(5, 2, PNG_COLOR_TYPE_RGB, 8, false, false, 7);
    PngLoader loader(memoryStream(encodePng(picture)));
    std::vector<std::uint8_t> row(64, 0xEE);
    EXPECT_EQ(failureOf([&] { loader.load(row.data(), 14); }), loadFailure);
    EXPECT_EQ(loader.load(row.data(), row.size()), 15u);
    for (std::size_t i = 15; i < row.size(); ++i) {
        ASSERT_EQ(row[i], 0xEE) << i;
    }
    loader.load(row.data(), row.size());
    EXPECT_EQ(failureOf([&] { loader.load(row.data(), row.size()); }), loadFailure);
}

TEST(PngLoader, DamagedHeadersFailInTheConstructor)
{
    std::vector<unsigned char> file = encodePng(makePicture(64, 64, PNG_COLOR_TYPE_RGB, 8, false, false, 3));
    std::vector<std::vector<unsigned char>> damaged = {std::vector<unsigned char>(200, 'x')};
    for (std::size_t length : {0u, 4u, 8u, 20u, 33u}) {
        damaged.emplace_back(file.begin(), file.begin() + length);
    }
    for (const auto& bytes : damaged) {
        EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(bytes)); }), constructorFailure) << bytes.size();
    }
    EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(file, 10)); }), constructorFailure);
}

TEST(PngLoader, DamagedImageDataFailsInLoadAndStaysFailed)
{
    // Random samples do not compress, so half the file ends well inside the image data.
    for (bool interlaced : {false, true}) {
        std::vector<unsigned char> file =
            encodePng(makePicture(64, 64, PNG_COLOR_TYPE_RGB, 8, interlaced, false, 11));
        PngLoader failing(memoryStream(file, file.size() / 2));
        expectLoadFailsPartWay(failing);
        file.resize(file.size() / 2);
        PngLoader truncated(memoryStream(file));
        expectLoadFailsPartWay(truncated);
    }
}

TEST(PngLoader, WarningsStayOffTheTerminal)
{
    std::vector<unsigned char> file = encodePng(makePicture(4, 4, PNG_COLOR_TYPE_GRAY, 8, false, false, 2));
    // An ancillary chunk with a broken checksum, right after the header, only warns.
    std::vector<unsigned char> damaged(file.begin(), file.begin() + 33);
    appendChunk(damaged, "tEXt", {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'}, false);
    damaged.insert(damaged.end(), file.begin() + 33, file.end());

    testing::internal::CaptureStderr();
    PngLoader loader(memoryStream(damaged));
    std::vector<std::uint8_t> row(4);
    for (int y = 0; y < 4; ++y) {
        loader.load(row.data(), row.size());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
