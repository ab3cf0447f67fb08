#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include <vantrel/io/LoadImage.h>
#include "tools/datagen/ClickSound.h"
#include "tools/datagen/DataFiles.h"
#include "tools/datagen/IcoFile.h"
#include "tools/datagen/Picture.h"
#include "tools/datagen/RuleImages.h"

using namespace vantrel::datagen;

namespace {

std::uint8_t at(const GrayImage& image, std::uint32_t x, std::uint32_t y)
{
    return image.pixels[static_cast<std::size_t>(y) * image.width + x];
}

} // namespace

TEST(SunsetPicture, IsOpaqueWhereverTheStretchedBackdropShowsAndFadesOutBelow)
{
    RgbaImage picture = makeSunsetPicture();
    ASSERT_EQ(picture.width, 320u);
    ASSERT_EQ(picture.height, 240u);
    // Stretched to 1366 x 1024, a 768-row screen shows source rows 0 to 180.
    for (std::uint32_t i = 0; i < 188 * picture.width; ++i) {
        ASSERT_EQ(picture.pixels[i * 4 + 3], 255) << i % picture.width << ", " << i / picture.width;
    }
    EXPECT_LT(picture.pixels[(239 * picture.width + 160) * 4 + 3], 16);
    EXPECT_EQ(makeSunsetPicture().pixels, picture.pixels);
}

TEST(RuleImages, EveryRuleRunsFromFullyOnToFullyOffBrighterPixelsFirst)
{
    for (RuleKind kind : allRuleKinds) {
        GrayImage rule = makeRuleImage(kind, 1366, 768);
        auto [low, high] = std::minmax_element(rule.pixels.begin(), rule.pixels.end());
        EXPECT_LE(*low, 8) << static_cast<int>(kind);
        EXPECT_GE(*high, 247) << static_cast<int>(kind);
    }
    GrayImage sweep = makeRuleImage(RuleKind::LeftToRight, 1366, 768);
    EXPECT_EQ((std::array{at(sweep, 0, 400), at(sweep, 1365, 400)}), (std::array<std::uint8_t, 2>{255, 0}));
    EXPECT_GT(at(sweep, 600, 0), at(sweep, 700, 0));
    EXPECT_EQ(at(sweep, 600, 0), at(sweep, 600, 767));
    GrayImage down = makeRuleImage(RuleKind::TopToBottom, 1366, 768);
    EXPECT_EQ((std::array{at(down, 500, 0), at(down, 500, 767)}), (std::array<std::uint8_t, 2>{255, 0}));
    GrayImage radial = makeRuleImage(RuleKind::Radial, 1366, 768);
    EXPECT_GT(at(radial, 683, 384), 250);
    EXPECT_LT(at(radial, 0, 0), 5);
    EXPECT_EQ(makeRuleImage(RuleKind::Dissolve, 64, 32).pixels, makeRuleImage(RuleKind::Dissolve, 64, 32).pixels);
}

TEST(RuleImages, CloudsSpreadEvenlyOverTheGreyLevels)
{
    GrayImage clouds = makeRuleImage(RuleKind::Clouds, 1366, 768);
    std::size_t quarters[4] = {};
    for (std::uint8_t v : clouds.pixels) {
        ++quarters[v / 64];
    }
    for (std::size_t count : quarters) {
        EXPECT_NEAR(static_cast<double>(count) / clouds.pixels.size(), 0.25, 0.03);
    }
}

TEST(ClickSound, IsShortUnclippedAndStartsAndEndsAtZero)
{
    Pcm16Sound click = makeClickSound();
    EXPECT_LT(click.samples.size(), click.sampleRate / 5 * click.channels);
    auto [low, high] = std::minmax_element(click.samples.begin(), click.samples.end());
    EXPECT_GT(*low, -32767);
    EXPECT_LT(*high, 32767);
    EXPECT_GT(*high, 8000);
    EXPECT_EQ(click.samples.front(), 0);
    EXPECT_EQ(click.samples.back(), 0);
}

TEST(GeneratedFiles, DecodeIntoTheFormatsTheSceneExpects)
{
    int rules = 0;
    for (const std::string& name : dataFileNames()) {
        if (name == "click.wav") {
            continue;
        }
        const bool rule = name.rfind("trans", 0) == 0;
        rules += rule;
        auto image = vantrel::loadImage((std::string(VANTREL_DATA_DIR) + "/" + name).c_str());
        EXPECT_EQ(image->getFormat(), rule ? vantrel::PixelFormat::Gray8 : vantrel::PixelFormat::Bgra32) << name;
        if (rule) {
            EXPECT_EQ(image->getWidth(), 1366u) << name;
            EXPECT_EQ(image->getHeight(), 768u) << name;
        }
    }
    EXPECT_GE(rules, 6);
}

// Each directory entry points at its own picture, one after the other to the end: a
// 32-bit bitmap with its mask rows (height counted twice), or for 256 pixels a PNG.
TEST(IcoFile, DirectoryEntriesPointAtBitmapsAndThe256PixelPng)
{
    auto grey = [](std::uint32_t size) { return RgbaImage{size, size, std::vector<std::uint8_t>(size * size * 4, 128)}; };
    std::vector<std::uint8_t> ico = encodeIco({grey(16), grey(48), grey(256)});
    auto u16 = [&](std::size_t at) { return static_cast<std::uint32_t>(ico.at(at) | ico.at(at + 1) << 8); };
    auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    ASSERT_EQ(u16(2), 1u);
    ASSERT_EQ(u16(4), 3u);
    std::uint32_t next = 6 + 3 * 16;
    for (std::uint32_t i = 0; i < 3; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = std::array<std::uint32_t, 3>{16, 48, 256}[i];
        EXPECT_EQ(ico[entry], size & 0xFF);
        EXPECT_EQ(u16(entry + 6), 32u);
        EXPECT_EQ(u32(entry + 12), next);
        const std::uint32_t bytes = u32(entry + 8);
        if (size == 256) {
            EXPECT_EQ(u32(next), 0x474E5089u) << "PNG signature";
        } else {
            EXPECT_EQ(bytes, 40 + size * size * 4 + size * ((size + 31) / 32 * 4));
            EXPECT_EQ(u32(next + 8), size * 2);
        }
        next += bytes;
    }
    EXPECT_EQ(next, ico.size());
}
