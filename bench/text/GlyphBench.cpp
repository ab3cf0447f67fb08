#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>

#include <vantrel/text/Font.h>

using namespace vantrel;

namespace {

const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
constexpr std::uint32_t firstPrintable = 0x21;
constexpr std::uint32_t lastPrintable = 0x7E;

// Every printable ASCII glyph from a fresh font, so each one is a cache miss.
void uncachedRasterisation(benchmark::State& state)
{
    std::int64_t glyphs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto font = std::make_unique<Font>(sceneFace, 0, static_cast<std::int32_t>(state.range(0)),
                                           false, false);
        // The face's size program runs with the first glyph; keep it out of the figure.
        font->getGlyphData(0x3042);
        state.ResumeTiming();
        for (std::uint32_t code = firstPrintable; code <= lastPrintable; ++code) {
            benchmark::DoNotOptimize(font->getGlyphData(code));
        }
        glyphs += lastPrintable - firstPrintable + 1;
        state.PauseTiming();
        font.reset();
        state.ResumeTiming();
    }
    state.counters["glyphs/s"] = benchmark::Counter(static_cast<double>(glyphs),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(uncachedRasterisation)->Arg(32)->Arg(24)->Unit(benchmark::kMicrosecond);

// The same work through FreeType alone, also from a fresh face each time, for the cost of
// our records, padded images and cache.
void plainFreeTypeRasterisation(benchmark::State& state)
{
    Font reference(sceneFace, 0, 32, false, false);
    std::int64_t glyphs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FT_Library library = nullptr;
        FT_Face face = nullptr;
        if (FT_Init_FreeType(&library) != 0 ||
            FT_New_Face(library, reference.getFace().file.c_str(), reference.getFace().index,
                        &face) != 0 ||
            FT_Set_Char_Size(face, 0, 1904, 72, 72) != 0) {
            state.SkipWithError("FreeType set-up failed");
            break;
        }
        FT_Load_Char(face, 0x3042, FT_LOAD_NO_BITMAP | FT_LOAD_RENDER);
        state.ResumeTiming();
        for (std::uint32_t code = firstPrintable; code <= lastPrintable; ++code) {
            FT_Load_Char(face, code, FT_LOAD_NO_BITMAP | FT_LOAD_RENDER);
            benchmark::DoNotOptimize(face->glyph->bitmap.buffer);
        }
        glyphs += lastPrintable - firstPrintable + 1;
        state.PauseTiming();
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        state.ResumeTiming();
    }
    state.counters["glyphs/s"] = benchmark::Counter(static_cast<double>(glyphs),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(plainFreeTypeRasterisation)->Unit(benchmark::kMicrosecond);

void cachedGlyph(benchmark::State& state)
{
    Font font(sceneFace, 0, 32, false, false);
    for (std::uint32_t code = firstPrintable; code <= lastPrintable; ++code) {
        font.getGlyphData(code);
    }
    std::uint32_t code = firstPrintable;
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.getGlyphData(code));
        code = code == lastPrintable ? firstPrintable : code + 1;
    }
    state.counters["glyphs/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(cachedGlyph);

void fontConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        Font font(sceneFace, 0, 32, false, false);
        benchmark::DoNotOptimize(font.getMetrics());
    }
}
BENCHMARK(fontConstruction)->Unit(benchmark::kMicrosecond);

} // namespace
