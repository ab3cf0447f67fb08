// Small files that declare huge pictures or chunks: each is refused or decoded at a cost
// bounded by its real content, and always with the loader's own error.
#include <gtest/gtest.h>

#include <png.h>
#include <sys/resource.h>
#include <zlib.h>

#include <memory>

#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/support/CostInChild.h"
#include "tests/support/MemoryStreamReader.h"
#include "tests/io/PngTestFiles.h"
#include "tests/support/TemporaryDirectory.h"

using namespace vantrel;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t allowance = 64_MiB;

// What loadImage makes of the file: its size in bytes, or the text of its failure; measured in
// a child, so that the peak counts only this load.
void expectBoundedOutcome(const std::string& label, const Bytes& file, const std::string& expected,
                          std::size_t pictureBytes = 0)
{
    TemporaryDirectory directory;
    std::string path = directory.write("hostile.png", file);
    ChildCost cost = costInChild([&]() -> std::string {
        try {
            auto image = loadImage(path.c_str());
            return std::to_string(std::size_t{image->getPitch()} * image->getHeight()) + " bytes";
        } catch (const Exception& error) {
            return error.what();
        } catch (const std::exception& error) { // std::bad_alloc above all
            return std::string("unexpected failure: ") + error.what();
        }
    });
    EXPECT_EQ(cost.outcome, expected) << label;
    cost.print(label);
    if (costIsBounded) {
        EXPECT_LT(cost.peakBytes, pictureBytes + allowance) << label;
    }
}

constexpr const char* refused = "Invalid file format in vantrel::PngLoader::PngLoader method.";

Bytes zlibPacked(const Bytes& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(size);
    compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(size);
    return packed;
}

} // namespace

TEST(HostilePng, DeclaredPicturesTooLargeOrLargerThanTheDataCanHoldAreRefusedBeforeAllocating)
{
    struct Huge {
        std::uint32_t width, height;
        int bitDepth, colorType;
        bool interlaced;
    };
    constexpr int gray = PNG_COLOR_TYPE_GRAY, rgb = PNG_COLOR_TYPE_RGB, rgba = PNG_COLOR_TYPE_RGB_ALPHA;
    // Just below 4 GiB of Bgra32 was once reserved before the data was read.
    for (Huge huge : {Huge{65535, 65537, 8, gray, true}, Huge{32768, 32767, 8, rgba, false},
                      Huge{60000, 60000, 1, gray, false}, Huge{65536, 65536, 8, gray, false},
                      Huge{1000000, 2000, 8, rgba, false}, Huge{1000001, 1, 8, gray, false},
                      Huge{1, 1000001, 8, gray, false}, Huge{0x7FFFFFFF, 0x7FFFFFFF, 8, rgb, false}}) {
        expectBoundedOutcome(std::to_string(huge.width) + " x " + std::to_string(huge.height),
                             pngWithHeader(huge.width, huge.height, huge.bitDepth, huge.colorType, huge.interlaced),
                             refused);
    }
    // 65535 x 65537 is exactly 4294967295 bytes of gray: believed once the stream is long enough
    // to inflate to that many bytes and their filter bytes, and the decoded-size limit allows it.
    Bytes largest = pngWithHeader(65535, 65537, 8, PNG_COLOR_TYPE_GRAY);
    largest.resize(largest.size() + (4294967295ull + 65537) / 1032);
    EXPECT_THROW(PngLoader(std::make_shared<MemoryStreamReader>(largest)), IoException);
    PngLoader::setDecodedByteLimit(4294967295ull);
    std::unique_ptr<PngLoader> loader;
    EXPECT_NO_THROW(loader = std::make_unique<PngLoader>(std::make_shared<MemoryStreamReader>(largest)));
    PngLoader::setDecodedByteLimit(PngLoader::defaultDecodedByteLimit);
    ASSERT_TRUE(loader);
    EXPECT_EQ(loader->getPitch(), 65535u);
    EXPECT_EQ(loader->getHeight(), 65537u);
}

TEST(HostilePng, SmallFilesOfPicturesThatGrowInDecodingAreHeldToTheDecodedSizeLimit)
{
    constexpr int palette = PNG_COLOR_TYPE_PALETTE, rgba = PNG_COLOR_TYPE_RGB_ALPHA;
    struct Row {
        std::uint32_t width, height;
        int bitDepth, colorType;
        bool interlaced;
        const char* expected; // refused, or the decoded size
    };
    // A 1-bit palette with transparency decodes to 32 times its packed size; an interlaced
    // picture was once decoded into a copy of its own first. 8192 x 8192 Bgra32 is the limit.
    for (Row row : {Row{10000, 10000, 1, palette, true, refused}, Row{22000, 22000, 1, palette, true, refused},
                    Row{22000, 22000, 1, palette, false, refused}, Row{8192, 8193, 1, palette, true, refused},
                    Row{8192, 8192, 1, palette, true, "268435456 bytes"},
                    Row{8192, 8192, 1, palette, false, "268435456 bytes"},
                    Row{4000, 4096, 8, rgba, true, "65536000 bytes"}}) {
        Bytes file = blankPng(row.width, row.height, row.bitDepth, row.colorType, row.interlaced, true);
        std::string label = std::to_string(row.width) + " x " + std::to_string(row.height) +
                            (row.interlaced ? " interlaced, " : ", ") + std::to_string(file.size()) + " bytes";
        EXPECT_LE(file.size(), 64u * 1024) << label;
        std::size_t picture = row.expected == refused ? 0 : std::size_t{row.width} * row.height * 4;
        expectBoundedOutcome(label, file, row.expected, picture);
    }
}

TEST(HostilePng, AnAllocationThatFailsGivesTheEnginesOwnException)
{
    if (!costIsBounded) {
        GTEST_SKIP() << "a sanitizer's reserves leave no room for an address-space limit";
    }
    // Within the limit, but 64 MiB of address space cannot hold it.
    TemporaryDirectory directory;
    std::string path = directory.write("large.png", blankPng(8192, 8192, 1, PNG_COLOR_TYPE_PALETTE, false, true));
    ChildCost cost = costInChild([&]() -> std::string {
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = statusBytes("VmSize:") + 64_MiB;
        setrlimit(RLIMIT_AS, &limit);
        try {
            loadImage(path.c_str());
            return "loaded";
        } catch (const Exception& error) {
            return error.what();
        } catch (const std::exception& error) {
            return std::string("unexpected failure: ") + error.what();
        }
    });
    EXPECT_EQ(cost.outcome, "Out of memory in vantrel::loadImage method.");
}

TEST(HostilePng, AChunkDeclaringMoreThanTheStreamHoldsIsRefusedWithoutBeingKept)
{
    for (const char* type : {"sPLT", "tEXt", "zTXt", "iTXt", "iCCP", "pCAL", "sCAL", "vnTi"}) {
        Bytes huge = chunkHeader(type, 0x7FFFFFFF);
        huge.resize(huge.size() + 42, 'x');
        Bytes file = pngWithHeader(1, 1, 8, PNG_COLOR_TYPE_GRAY, false, huge);
        file.resize(83);
        expectBoundedOutcome(type, file, refused);
        // Followed by a megabyte: still refused as soon as the stream ends.
        huge.resize(1_MiB, 'x');
        expectBoundedOutcome(type, pngWithHeader(1, 1, 8, PNG_COLOR_TYPE_GRAY, false, huge), refused);
    }
}

TEST(HostilePng, TextChunksAreSkippedNotKept)
{
    // Each chunk inflates to a megabyte of text; the picture is one pixel.
    Bytes text = {'k', 0, 0};
    Bytes packed = zlibPacked(Bytes(1_MiB, 'a'));
    text.insert(text.end(), packed.begin(), packed.end());
    Bytes chunks;
    for (int i = 0; i < 480; ++i) {
        appendChunk(chunks, "zTXt", text);
    }
    Bytes file = pngWithHeader(1, 1, 8, PNG_COLOR_TYPE_GRAY, false, chunks);
    expectBoundedOutcome("480 zTXt chunks", file, "1 bytes");
}

TEST(HostilePng, RealPicturesAtTheBestCompressionStillLoad)
{
    PngPicture flat = makePicture(4000, 1000, PNG_COLOR_TYPE_GRAY, 1, true, false, 1);
    std::fill(flat.samples.begin(), flat.samples.end(), 0);
    Bytes file = encodePng(flat);
    EXPECT_LT(file.size(), 4000u);
    expectBoundedOutcome("4000 x 1000 blank 1-bit interlaced", file, "4000000 bytes", 2 * 4000000);

    PngPicture rgba = makePicture(2048, 2048, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false, 2);
    std::fill(rgba.samples.begin(), rgba.samples.end(), 7);
    expectBoundedOutcome("2048 x 2048 flat RGBA", encodePng(rgba), "16777216 bytes", 16777216);
}
