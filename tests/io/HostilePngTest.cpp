// Small files that declare huge pictures or chunks: each is refused or decoded at a cost
// bounded by its real content, and always with the loader's own error.
#include <gtest/gtest.h>

#include <malloc.h>
#include <png.h>
#include <sys/resource.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/support/CostInChild.h"
#include "tests/support/Failure.h"
#include "tests/support/MemoryStreamReader.h"
#include "tests/io/PngTestFiles.h"
#include "tests/support/TemporaryDirectory.h"

using namespace vantrel;

namespace {

constexpr std::size_t allowance = 64_MiB;
constexpr const char* refused = "Invalid file format in vantrel::PngLoader::PngLoader method.";
constexpr int gray = PNG_COLOR_TYPE_GRAY, palette = PNG_COLOR_TYPE_PALETTE, rgba = PNG_COLOR_TYPE_RGB_ALPHA;

// A file's declared picture and what loading it gives: refused, or the decoded size.
struct Picture {
    std::uint32_t width, height;
    PngKind kind;
    const char* expected = refused;
};

// What loadImage makes of the file: its size in bytes, or the text of its failure; measured in
// a child, so that the peak counts only this load. With `addressSpace`, the child has only that
// much more.
void expectBoundedOutcome(const std::string& label, const Bytes& file, const std::string& expected,
                          std::size_t pictureBytes = 0, std::size_t addressSpace = 0)
{
    // Large blocks mapped and unmapped each time: the child must not find the room its load
    // needs in what the files' making freed.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    TemporaryDirectory directory;
    std::string path = directory.write("hostile.png", file);
    ChildCost cost = costInChild([&]() -> std::string {
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = addressSpace == 0 ? limit.rlim_cur : statusBytes("VmSize:") + addressSpace;
        setrlimit(RLIMIT_AS, &limit);
        std::string size;
        std::string failure = failureOf([&] {
            auto image = loadImage(path.c_str());
            size = std::to_string(std::size_t{image->getPitch()} * image->getHeight()) + " bytes";
        });
        return failure == "no exception" ? size : failure;
    });
    EXPECT_EQ(cost.outcome, expected) << label;
    cost.print(label);
    if (costIsBounded) {
        EXPECT_LT(cost.peakBytes, pictureBytes + allowance) << label;
    }
}

} // namespace

TEST(HostilePng, DeclaredPicturesTooLargeOrLargerThanTheDataCanHoldAreRefusedBeforeAllocating)
{
    // Just below 4 GiB of Bgra32 was once reserved before the data was read.
    const Picture declared[] = {{65535, 65537, {gray, 8, false, true}}, {32768, 32767, {rgba}},
                                 {60000, 60000, {gray, 1}}, {65536, 65536, {gray}}, {1000000, 2000, {rgba}},
                                 {1000001, 1, {gray}}, {1, 1000001, {gray}},
                                 {0x7FFFFFFF, 0x7FFFFFFF, {PNG_COLOR_TYPE_RGB}}};
    for (const auto& [width, height, kind, expected] : declared) {
        expectBoundedOutcome(std::to_string(width) + " x " + std::to_string(height),
                             pngWithHeader(width, height, kind), expected);
    }
    // 65535 x 65537 is exactly 4294967295 bytes of gray: with the decoded-size limit raised to
    // that, believed once the stream is long enough to inflate to that many bytes and their
    // filter bytes.
    Bytes largest = pngWithHeader(65535, 65537, {gray});
    std::string size;
    auto open = [&] {
        PngLoader loader(std::make_shared<MemoryStreamReader>(largest));
        size = std::to_string(loader.getPitch()) + " x " + std::to_string(loader.getHeight());
    };
    PngLoader::setDecodedByteLimit(4294967295ull);
    EXPECT_EQ(failureOf<IoException>(open), refused);
    largest.resize(largest.size() + (4294967295ull + 65537) / 1032);
    EXPECT_EQ(failureOf<IoException>(open), "no exception");
    PngLoader::setDecodedByteLimit(PngLoader::defaultDecodedByteLimit);
    EXPECT_EQ(failureOf<IoException>(open), refused);
    EXPECT_EQ(size, "65535 x 65537");
}

TEST(HostilePng, SmallFilesOfPicturesThatGrowInDecodingAreHeldToTheDecodedSizeLimit)
{
    const PngKind plain{palette, 1, true}, interlaced{palette, 1, true, true};
    // A 1-bit palette with transparency decodes to 32 times its packed size; an interlaced
    // picture was once decoded into a copy of its own first. 8192 x 8192 Bgra32 is the limit.
    const Picture rows[] = {{10000, 10000, interlaced}, {22000, 22000, interlaced}, {22000, 22000, plain},
                            {8192, 8193, interlaced},   {8192, 8192, interlaced, "268435456 bytes"},
                            {8192, 8192, plain, "268435456 bytes"},
                            {4000, 4096, {rgba, 8, false, true}, "65536000 bytes"}};
    for (const auto& [width, height, kind, expected] : rows) {
        Bytes file = blankPng(width, height, kind);
        std::string label = std::to_string(width) + " x " + std::to_string(height) +
                            (kind.interlaced ? " interlaced, " : ", ") + std::to_string(file.size()) + " B";
        EXPECT_LE(file.size(), 64u * 1024) << label;
        std::size_t picture = expected == refused ? 0 : std::size_t{width} * height * 4;
        expectBoundedOutcome(label, file, expected, picture);
    }
}

TEST(HostilePng, ChunksAndAllocationsFailWithTheLoadersOwnErrorAndTextIsSkippedNotKept)
{
    for (const char* type : {"sPLT", "tEXt", "zTXt", "iTXt", "iCCP", "pCAL", "sCAL", "vnTi"}) {
        // Declaring more than the stream holds: refused as soon as the stream ends, the
        // declared length never kept, whether 42 bytes or a megabyte follow.
        Bytes huge = {0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
        std::copy(type, type + 4, huge.begin() + 4);
        huge.resize(huge.size() + 42, 'x');
        Bytes file = pngWithHeader(1, 1, {gray}, huge);
        file.resize(83);
        expectBoundedOutcome(type, file, refused);
        huge.resize(1_MiB, 'x');
        expectBoundedOutcome(type, pngWithHeader(1, 1, {gray}, huge), refused);
    }
    // Each chunk inflates to a megabyte of text; the picture is one pixel.
    Bytes text = {'k', 0, 0};
    Bytes packed = deflated(Bytes(1_MiB, 'a'));
    text.insert(text.end(), packed.begin(), packed.end());
    Bytes chunks;
    for (int i = 0; i < 480; ++i) {
        appendChunk(chunks, "zTXt", text);
    }
    expectBoundedOutcome("480 zTXt chunks", pngWithHeader(1, 1, {gray}, chunks), "1 bytes");
    // Within the limit, but 64 MiB of address space cannot hold it (a sanitizer's reserves
    // leave no room for such a limit).
    if (costIsBounded) {
        expectBoundedOutcome("8192 x 8192 in 64 MiB", blankPng(8192, 8192, {palette, 1, true}),
                             "Out of memory in vantrel::loadImage method.", 0, 64_MiB);
    }
}

TEST(HostilePng, RealPicturesAtTheBestCompressionStillLoad)
{
    Bytes file = blankPng(4000, 1000, {gray, 1, false, true});
    EXPECT_LT(file.size(), 4000u);
    expectBoundedOutcome("4000 x 1000 blank 1-bit interlaced", file, "4000000 bytes", 2 * 4000000);
    expectBoundedOutcome("2048 x 2048 blank RGBA", blankPng(2048, 2048, {rgba}), "16777216 bytes", 16777216);
}
