#include <gtest/gtest.h>

#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/base/Exception.h"
#include "engine/io/FileStreamReader.h"
#include "engine/io/LoadImage.h"
#include "engine/io/PngLoader.h"
#include "tests/io/MemoryStreamReader.h"
#include "tests/io/PngTestFiles.h"
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

constexpr const char* constructorFailure = "Invalid file format in vantrel::PngLoader::PngLoader method.";
constexpr const char* loadFailure = "Invalid file format in vantrel::PngLoader::loadImpl method.";

struct DecodeCase {
    int colorType;
    int bitDepth;
    bool transparency;
    PixelFormat format;
};

std::string describe(const DecodeCase& c)
{
    return "type" + std::to_string(c.colorType) + "_depth" + std::to_string(c.bitDepth) +
           (c.transparency ? "_tRNS" : "");
}

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
    return "no IoException";
}

class PngDecode : public testing::TestWithParam<DecodeCase> {};

} // namespace

TEST_P(PngDecode, EveryPixelMatchesPlainAndInterlaced)
{
    const DecodeCase& c = GetParam();
    TemporaryDirectory directory;
    // 13 x 11 leaves partial Adam7 blocks and rows that end inside a byte.
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "plain");
        PngPicture picture = makePicture(13, 11, c.colorType, c.bitDepth, interlaced, c.transparency,
                                         static_cast<std::uint32_t>(c.colorType * 100 + c.bitDepth));
        std::string path = directory.write("picture.gra", encodePng(picture));
        auto image = loadImage(path.c_str());
        ASSERT_EQ(image->getFormat(), c.format);
        EXPECT_EQ(image->getWidth(), 13u);
        EXPECT_EQ(image->getHeight(), 11u);
        EXPECT_EQ(image->getPitch(), 13u * bytesPerPixel(c.format));
        std::vector<std::uint8_t> expected = expectedRows(picture);
        ASSERT_EQ(expected.size(), std::size_t{image->getPitch()} * image->getHeight());
        EXPECT_EQ(std::memcmp(image->getPixels(), expected.data(), expected.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypesAndDepths, PngDecode,
    testing::Values(DecodeCase{PNG_COLOR_TYPE_GRAY, 1, false, PixelFormat::Gray8},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 2, false, PixelFormat::Gray8},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 4, false, PixelFormat::Gray8},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 8, false, PixelFormat::Gray8},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 16, false, PixelFormat::Gray8},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 2, true, PixelFormat::GrayAlpha16},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 8, true, PixelFormat::GrayAlpha16},
                    DecodeCase{PNG_COLOR_TYPE_GRAY, 16, true, PixelFormat::GrayAlpha16},
                    DecodeCase{PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, PixelFormat::GrayAlpha16},
                    DecodeCase{PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, PixelFormat::GrayAlpha16},
                    DecodeCase{PNG_COLOR_TYPE_RGB, 8, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_RGB, 16, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_RGB, 8, true, PixelFormat::Bgra32},
                    DecodeCase{PNG_COLOR_TYPE_RGB, 16, true, PixelFormat::Bgra32},
                    DecodeCase{PNG_COLOR_TYPE_RGB_ALPHA, 8, false, PixelFormat::Bgra32},
                    DecodeCase{PNG_COLOR_TYPE_RGB_ALPHA, 16, false, PixelFormat::Bgra32},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 1, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 2, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 4, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 8, false, PixelFormat::Bgr24},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 4, true, PixelFormat::Bgra32},
                    DecodeCase{PNG_COLOR_TYPE_PALETTE, 8, true, PixelFormat::Bgra32}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return describe(info.param); });

TEST(PngLoader, InterlacedSinglePixelAndSingleRow)
{
    for (auto [width, height] : {std::pair{1u, 1u}, std::pair{9u, 1u}, std::pair{1u, 9u}}) {
        PngPicture picture = makePicture(width, height, PNG_COLOR_TYPE_RGB, 8, true, false, width + height);
        PngLoader loader(memoryStream(encodePng(picture)));
        std::vector<std::uint8_t> rows(std::size_t{loader.getPitch()} * height);
        for (std::uint32_t y = 0; y < height; ++y) {
            loader.load(rows.data() + y * loader.getPitch(), loader.getPitch());
        }
        EXPECT_EQ(rows, expectedRows(picture)) << width << " x " << height;
    }
}

TEST(PngLoader, LoadWritesExactlyThePitch)
{
    PngPicture picture = makePicture(5, 2, PNG_COLOR_TYPE_GRAY, 8, false, false, 7);
    PngLoader loader(memoryStream(encodePng(picture)));
    std::vector<std::uint8_t> row(64, 0xEE);
    EXPECT_EQ(loader.load(row.data(), row.size()), 5u);
    for (std::size_t i = 5; i < row.size(); ++i) {
        ASSERT_EQ(row[i], 0xEE) << i;
    }
}

TEST(PngLoader, RefusesDestinationsShorterThanARowAndRowsBeyondTheLast)
{
    PngPicture picture = makePicture(5, 2, PNG_COLOR_TYPE_RGB, 8, false, false, 7);
    PngLoader loader(memoryStream(encodePng(picture)));
    std::vector<std::uint8_t> row(15);
    EXPECT_EQ(failureOf([&] { loader.load(row.data(), 14); }), loadFailure);
    loader.load(row.data(), row.size());
    loader.load(row.data(), row.size());
    EXPECT_EQ(failureOf([&] { loader.load(row.data(), row.size()); }), loadFailure);
}

TEST(PngLoader, BadSignatureFailsInTheConstructor)
{
    std::vector<unsigned char> notPng(200, 'x');
    EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(notPng)); }), constructorFailure);
    EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream({})); }), constructorFailure);
}

TEST(PngLoader, TruncatedHeaderFailsInTheConstructor)
{
    std::vector<unsigned char> file = encodePng(makePicture(8, 8, PNG_COLOR_TYPE_RGB, 8, false, false, 3));
    for (std::size_t length : {4u, 8u, 20u, 33u}) {
        std::vector<unsigned char> cut(file.begin(), file.begin() + length);
        EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(cut)); }), constructorFailure) << length;
    }
}

TEST(PngLoader, TruncatedImageDataFailsInLoadAndStaysFailed)
{
    // Random samples do not compress, so half the file ends well inside the image data.
    for (bool interlaced : {false, true}) {
        std::vector<unsigned char> file =
            encodePng(makePicture(64, 64, PNG_COLOR_TYPE_RGB, 8, interlaced, false, 11));
        file.resize(file.size() / 2);
        PngLoader loader(memoryStream(file));
        std::vector<std::uint8_t> row(loader.getPitch());
        std::string failure;
        std::uint32_t y = 0;
        for (; y < loader.getHeight() && failure.empty(); ++y) {
            try {
                loader.load(row.data(), row.size());
            } catch (const IoException& error) {
                failure = error.what();
            }
        }
        EXPECT_EQ(failure, loadFailure);
        EXPECT_LT(y, 64u);
        EXPECT_EQ(failureOf([&] { loader.load(row.data(), row.size()); }), loadFailure);
    }
}

TEST(PngLoader, StreamFailuresBecomeTheLoaderFailure)
{
    std::vector<unsigned char> file = encodePng(makePicture(64, 64, PNG_COLOR_TYPE_RGB, 8, false, false, 5));
    EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(file, 10)); }), constructorFailure);

    PngLoader loader(memoryStream(file, file.size() / 2));
    std::vector<std::uint8_t> row(loader.getPitch());
    std::string failure;
    for (std::uint32_t y = 0; y < loader.getHeight() && failure.empty(); ++y) {
        failure = failureOf([&] { loader.load(row.data(), row.size()); });
        if (failure == "no IoException") {
            failure.clear();
        }
    }
    EXPECT_EQ(failure, loadFailure);
}

TEST(PngLoader, RejectsImagesBeyondThirtyTwoBitSizesBeforeAllocating)
{
    // Control: the hand-made file itself is fine.
    PngLoader small(memoryStream(pngWithHeader(1, 1, 8, PNG_COLOR_TYPE_GRAY)));
    EXPECT_EQ(small.getPitch(), 1u);

    struct Huge {
        std::uint32_t width, height;
        int colorType;
    };
    for (Huge huge : {Huge{65536, 65536, PNG_COLOR_TYPE_GRAY}, Huge{100000, 100000, PNG_COLOR_TYPE_GRAY},
                      Huge{1000000, 2000, PNG_COLOR_TYPE_RGB_ALPHA}, Huge{1000001, 1, PNG_COLOR_TYPE_GRAY},
                      Huge{1, 1000001, PNG_COLOR_TYPE_GRAY}, Huge{0x7FFFFFFF, 0x7FFFFFFF, PNG_COLOR_TYPE_RGB}}) {
        std::vector<unsigned char> file = pngWithHeader(huge.width, huge.height, 8, huge.colorType);
        EXPECT_EQ(failureOf([&] { PngLoader loader(memoryStream(file)); }), constructorFailure)
            << huge.width << " x " << huge.height;
    }
}

TEST(PngLoader, LargestImageThatFitsIsAccepted)
{
    // 65535 x 65537 is exactly 4294967295 bytes of gray.
    PngLoader loader(memoryStream(pngWithHeader(65535, 65537, 8, PNG_COLOR_TYPE_GRAY)));
    EXPECT_EQ(loader.getPitch(), 65535u);
    EXPECT_EQ(loader.getHeight(), 65537u);
}

TEST(PngLoader, WarningsStayOffTheTerminal)
{
    std::vector<unsigned char> file = encodePng(makePicture(4, 4, PNG_COLOR_TYPE_GRAY, 8, false, false, 2));
    // An ancillary chunk with a broken checksum, right after the header, only warns.
    std::vector<unsigned char> text = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'};
    std::vector<unsigned char> damaged(file.begin(), file.begin() + 33);
    appendChunk(damaged, "tEXt", text, false);
    damaged.insert(damaged.end(), file.begin() + 33, file.end());

    testing::internal::CaptureStderr();
    PngLoader loader(memoryStream(damaged));
    std::vector<std::uint8_t> row(4);
    for (int y = 0; y < 4; ++y) {
        loader.load(row.data(), row.size());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(LoadImage, MissingFileFailsInTheReader)
{
    try {
        loadImage("/nonexistent-directory/load.gra");
        FAIL() << "loaded a missing file";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "open API failed in vantrel::FileStreamReader::FileStreamReader method.");
    }
}

TEST(LoadImage, DamagedFilesEndInTheLoaderMessages)
{
    TemporaryDirectory directory;
    std::vector<unsigned char> file = encodePng(makePicture(64, 64, PNG_COLOR_TYPE_RGB, 8, false, false, 9));
    std::string header = directory.write("header.png", std::vector<unsigned char>(file.begin(), file.begin() + 20));
    std::string data = directory.write("data.png", std::vector<unsigned char>(file.begin(), file.end() - 2000));
    EXPECT_EQ(failureOf([&] { loadImage(header.c_str()); }), constructorFailure);
    EXPECT_EQ(failureOf([&] { loadImage(data.c_str()); }), loadFailure);
}
