// The whole frame pipeline: a synthetic two-layer scene of about a thousand moving sprites
// with a running cross-fade, drawn by the real Screen, its workers and an in-memory target
// at 1366 x 768. Reports the time from dispatch to present per frame (median, 99th
// percentile) and the render thread's own time per iteration, for 1 and 2 workers, beside
// a memcpy of one frame measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>

using namespace vantrel;

namespace {

constexpr std::uint32_t width = 1366;
constexpr std::uint32_t height = 768;

class Timings : public IScreenObserver {
public:
    void frameTimed(std::uint64_t nanoseconds) override
    {
        std::lock_guard<std::mutex> guard(lock);
        frames.push_back(nanoseconds);
    }
    void iterationTimed(std::uint64_t nanoseconds) override
    {
        std::lock_guard<std::mutex> guard(lock);
        iterations.push_back(nanoseconds);
    }
    static double percentileMs(std::vector<std::uint64_t> values, double fraction)
    {
        if (values.empty()) {
            return 0;
        }
        std::sort(values.begin(), values.end());
        auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
        return static_cast<double>(values[index]) / 1e6;
    }

    std::mutex lock;
    std::vector<std::uint64_t> frames;
    std::vector<std::uint64_t> iterations;
};

std::shared_ptr<Image> glow(std::uint32_t size, std::uint32_t color)
{
    auto image = std::make_shared<Image>(size, size, PixelFormat::Bgra32);
    float centre = static_cast<float>(size - 1) / 2;
    for (std::uint32_t y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image->row(y));
        for (std::uint32_t x = 0; x < size; ++x) {
            float dx = (static_cast<float>(x) - centre) / centre;
            float dy = (static_cast<float>(y) - centre) / centre;
            float a = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
            row[x] = color | static_cast<std::uint32_t>(a * 255) << 24;
        }
    }
    return image;
}

struct MovingSprite {
    std::shared_ptr<ISprite> sprite;
    std::int32_t dx;
    std::int32_t dy;
};

void buildScene(Screen& screen, std::vector<MovingSprite>& moving)
{
    std::mt19937 random(42);
    auto coordinate = [&](std::uint32_t size) { return static_cast<std::int32_t>(random() % size); };
    auto speed = [&] { return static_cast<std::int32_t>(random() % 7) - 3; };
    Rect all{0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    screen.createFillRectSprite(0, 0u, all, 0, Color::rgb(255, 255, 255))->show();
    auto backdrop = std::make_shared<Image>(320, 240, PixelFormat::Bgr24);
    for (std::uint32_t y = 0; y < 240; ++y) {
        for (std::uint32_t x = 0; x < 320 * 3; ++x) {
            backdrop->row(y)[x] = static_cast<std::uint8_t>(x * 3 + y * (x % 3 + 1));
        }
    }
    auto stretched = screen.createImageSprite(1, 0u, 0, 0, 0, backdrop);
    stretched->setSize(width, 240 * width / 320);
    stretched->setSmooth(true);
    stretched->show();

    auto flake = glow(16, 0x00C0D8FF);
    auto picture = glow(64, 0x00FF8040);
    for (int i = 0; i < 700; ++i) {
        auto sprite = screen.createImageSprite(0, 1u, coordinate(width), coordinate(height), 10, flake);
        sprite->setBlendMode(BlendMode::Add);
        sprite->setOpacity(static_cast<std::uint8_t>(64 + random() % 192));
        sprite->show();
        moving.push_back({sprite, speed(), 1 + static_cast<std::int32_t>(random() % 4)});
    }
    for (int i = 0; i < 150; ++i) {
        auto sprite = screen.createImageSprite(i % 2, 2u, coordinate(width), coordinate(height), 20, picture);
        sprite->setOpacity(128);
        sprite->show();
        moving.push_back({sprite, speed(), speed()});
    }
    for (int i = 0; i < 150; ++i) {
        std::int32_t x = coordinate(width), y = coordinate(height);
        auto sprite = screen.createFillRectSprite(i % 2, 3u, Rect{x, y, x + 40, y + 24}, 30,
                                                  Color::rgb(40, 160, 90));
        sprite->setOpacity(96);
        sprite->show();
        moving.push_back({sprite, speed(), speed()});
    }
}

// range(0): workers; range(1): 1 to move every sprite each iteration, 0 to leave them still
// (only the cross-fade changes, so the render thread is nearly idle and the figure shows
// how the drawing itself scales with workers).
void Pipeline(benchmark::State& state)
{
    auto workers = static_cast<std::uint32_t>(state.range(0));
    bool moveSprites = state.range(1) != 0;
    Timings timings;
    for (auto _ : state) {
        auto observer = std::make_shared<Timings>();
        auto target = std::make_shared<MemoryPresentTarget>(width, height);
        Screen screen(target, width, height, workers);
        screen.setObserver(observer);
        std::vector<MovingSprite> moving;
        buildScene(screen, moving);
        bool rising = true;
        screen.addTask([&](Screen& s) {
            for (MovingSprite& m : moving) {
                if (!moveSprites) {
                    break;
                }
                std::int32_t x = m.sprite->getX() + m.dx, y = m.sprite->getY() + m.dy;
                if (x < -64 || x > static_cast<std::int32_t>(width)) x = x < 0 ? static_cast<std::int32_t>(width) : -64;
                if (y < -64 || y > static_cast<std::int32_t>(height)) y = y < 0 ? static_cast<std::int32_t>(height) : -64;
                m.sprite->setPosition(x, y);
            }
            // A cross-fade that never rests: both layers are recomposed whole every frame.
            const std::uint8_t level = s.getTransitionLevel();
            if (level >= 250) rising = false;
            if (level <= 5) rising = true;
            s.setTransitionLevel(static_cast<std::uint8_t>(level + (rising ? 3 : -3)));
            return false;
        });
        screen.setTransitionLevel(10);
        screen.start();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        screen.stop();
        std::lock_guard<std::mutex> guard(observer->lock);
        timings.frames.insert(timings.frames.end(), observer->frames.begin(), observer->frames.end());
        timings.iterations.insert(timings.iterations.end(), observer->iterations.begin(),
                                  observer->iterations.end());
        state.SetIterationTime(Timings::percentileMs(observer->frames, 0.5) / 1e3);
    }
    state.counters["frame_p50_ms"] = Timings::percentileMs(timings.frames, 0.5);
    state.counters["frame_p99_ms"] = Timings::percentileMs(timings.frames, 0.99);
    state.counters["iteration_p50_ms"] = Timings::percentileMs(timings.iterations, 0.5);
    state.counters["iteration_p99_ms"] = Timings::percentileMs(timings.iterations, 0.99);
    state.counters["frames"] = static_cast<double>(timings.frames.size());
}
BENCHMARK(Pipeline)
    ->ArgNames({"workers", "moving"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The reference: one frame's worth of memory bandwidth.
void FrameMemcpy(benchmark::State& state)
{
    std::vector<std::uint32_t> from(width * height, 0x123456), to(width * height);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(FrameMemcpy)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
