#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>

using namespace vantrel;

namespace {

const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
constexpr std::uint32_t readOutId = 10000;

// One frame of the frame-rate read-out: on both layers, the old line goes and a white
// line with a gray shadow two pixels lower right replaces it.
void frameRateLine(benchmark::State& state)
{
    auto target = std::make_shared<MemoryPresentTarget>(1366, 768);
    Screen screen(target, 1366, 768, 1);
    Font font(sceneFace, 0, 32, false, false);
    double rate = 59.5;
    for (auto _ : state) {
        Screen::Lock guard(screen);
        for (std::uint32_t number = 1; number <= 2; ++number) {
            char text[64];
            int length = std::snprintf(text, sizeof text, "%.3f fps : screen(%u)", rate, number);
            auto layer = static_cast<std::uint8_t>(number - 1);
            screen.getSprites(layer).remove(readOutId);
            screen.createTextSprite(layer, readOutId, 0, 0, 600, text,
                                    static_cast<std::size_t>(length), font, Color::gray(255))
                ->show();
            screen.createTextSprite(layer, readOutId, 2, 2, 599, text,
                                    static_cast<std::size_t>(length), font, Color::gray(64))
                ->show();
        }
        rate = rate > 61.0 ? 59.5 : rate + 0.001;
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(frameRateLine)->Unit(benchmark::kMicrosecond);

} // namespace
