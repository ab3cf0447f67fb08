#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/support/Failure.h"
#include "tests/support/MemoryStreamReader.h"
#include "tests/io/PngTestFiles.h"
#include "tests/support/TemporaryDirectory.h"

using namespace vantrel;

namespace {

constexpr const char* constructorFailure = "Invalid file format in vantrel::PngLoader::PngLoader method.";
constexpr const char* loadFailure = "Invalid file format in vantrel::PngLoader::loadImpl method.";

constexpr PngKind rgb{PNG_COLOR_TYPE_RGB};

std::shared_ptr<IStreamReader> memoryStream(Bytes bytes, std::size_t failAt = SIZE_MAX)
{
    return std::make_shared<MemoryStreamReader>(std::move(bytes), failAt);
}

// Loads rows until one fails; the failure must come before the last row and stay.
void expectLoadFailsPartWay(PngLoader& loader)
{
    std::vector<std::uint8_t> row(loader.getPitch());
    auto load = [&] { return failureOf<IoException>([&] { loader.load(row.data(), row.size()); }); };
    std::uint32_t rows = 0;
    std::string failure;
    while ((failure = load()) == "no exception") {
        ++rows;
    }
    EXPECT_EQ(failure, loadFailure);
    EXPECT_LT(rows + 1, loader.getHeight());
    EXPECT_EQ(load(), loadFailure);
}

} // namespace

TEST(PngLoader, EveryKindMatchesItsSamplesPlainAndInterlaced)
{
    // The formats by bytes per pixel of the expected rows.
    const PixelFormat formats[] = {PixelFormat::Gray8, PixelFormat::GrayAlpha16, PixelFormat::Bgr24,
                                   PixelFormat::Bgra32};
    // 13 x 11 leaves partial Adam7 blocks and rows that end inside a byte; the others are too
    // small to fill every pass.
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {{13, 11}, {1, 1}, {9, 1}, {1, 9}};
    TemporaryDirectory directory;
    for (const PngKind& kind : everyPngKind()) {
        for (auto [width, height] : sizes) {
            SCOPED_TRACE(testing::Message() << "type " << kind.colorType << " depth " << kind.bitDepth
                                            << " tRNS " << kind.transparency << " Adam7 " << kind.interlaced
                                            << ", " << width << " x " << height);
            PngPicture picture = makePicture(width, height, kind, kind.colorType * 100u + width);
            auto image = loadImage(directory.write("picture.gra", encodePng(picture)).c_str());
            std::vector<std::uint8_t> expected = expectedRows(picture);
            ASSERT_EQ(image->getFormat(), formats[expected.size() / (width * height) - 1]);
            ASSERT_EQ(expected.size(), std::size_t{image->getPitch()} * image->getHeight());
            EXPECT_EQ(std::memcmp(image->getPixels(), expected.data(), expected.size()), 0);
        }
    }
}

TEST(PngLoader, LoadWritesOneRowAndRefusesShortDestinationsAndExtraRows)
{
    PngLoader loader(memoryStream(encodePng(makePicture(5, 2, rgb, 7))));
    std::vector<std::uint8_t> row(64, 0xEE);
    EXPECT_EQ(failureOf<IoException>([&] { loader.load(row.data(), 14); }), loadFailure);
    EXPECT_EQ(loader.load(row.data(), row.size()), 15u);
    EXPECT_EQ(std::count(row.begin() + 15, row.end(), 0xEE), 64 - 15);
    loader.load(row.data(), row.size());
    EXPECT_EQ(failureOf<IoException>([&] { loader.load(row.data(), row.size()); }), loadFailure);
}

TEST(PngLoader, DamagedFilesFailInTheConstructorOrInLoadAndStayFailed)
{
    // Random samples do not compress, so half the file ends well inside the image data.
    for (bool interlaced : {false, true}) {
        Bytes file = encodePng(makePicture(64, 64, {PNG_COLOR_TYPE_RGB, 8, false, interlaced}, 11));
        std::vector<Bytes> damaged = {Bytes(200, 'x')};
        for (std::size_t length : {0u, 4u, 8u, 20u, 33u}) {
            damaged.emplace_back(file.begin(), file.begin() + length);
        }
        auto open = [](std::shared_ptr<IStreamReader> stream) {
            return failureOf<IoException>([&] { PngLoader loader(stream); });
        };
        for (const auto& bytes : damaged) {
            EXPECT_EQ(open(memoryStream(bytes)), constructorFailure) << bytes.size();
        }
        EXPECT_EQ(open(memoryStream(file, 10)), constructorFailure);
        PngLoader failing(memoryStream(file, file.size() / 2));
        expectLoadFailsPartWay(failing);
        file.resize(file.size() / 2);
        PngLoader truncated(memoryStream(file));
        expectLoadFailsPartWay(truncated);
    }
}

TEST(PngLoader, WarningsStayOffTheTerminal)
{
    // An ancillary chunk with a broken checksum only warns.
    Bytes comment;
    appendChunk(comment, "tEXt", {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'}, false);
    testing::internal::CaptureStderr();
    PngLoader loader(memoryStream(pngWithHeader(1, 1, {PNG_COLOR_TYPE_GRAY}, comment)));
    std::uint8_t pixel = 0;
    EXPECT_EQ(loader.load(&pixel, 1), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
