#include "bench/scene/MemoryWatch.h"

#include "bench/scene/ProcessFigures.h"

#include <algorithm>
#include <cstdarg>

namespace {

constexpr double growthWindowSeconds = 300.0;
constexpr double settleSeconds = 60.0;

} // namespace

MemoryWatch::MemoryWatch(std::FILE* out, ProgressLine* progress, std::chrono::seconds interval)
    : out(out), progress(progress), interval(interval)
{
    sample("start");
    sampler = std::thread([this] { run(); });
}

MemoryWatch::~MemoryWatch()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    wake.notify_all();
    if (sampler.joinable()) {
        sampler.join();
    }
}

void MemoryWatch::sample(const char* label)
{
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long kib = residentKiB();
    samples.push_back({seconds, kib});
    print("vantrel-bench: resident memory %s (%.0f s): %.1f MiB\n", label, seconds, kib / 1024.0);
}

void MemoryWatch::print(const char* format, ...)
{
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (progress != nullptr) {
        progress->printAbove(out, line);
    } else {
        std::fputs(line, out);
        std::fflush(out);
    }
}

void MemoryWatch::run()
{
    std::unique_lock<std::mutex> guard(lock);
    auto next = start + interval;
    while (!wake.wait_until(guard, next, [this] { return stopping; })) {
        sample("now");
        next += interval;
    }
}

void MemoryWatch::finish()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    wake.notify_all();
    if (sampler.joinable()) {
        sampler.join();
    }
    sample("at the end");
    // Start-up (pictures, fonts, the workers' first frames) settles within the first minute:
    // the growth is measured from the first sample after it, or from the last one at least
    // five minutes before the end where the run is longer.
    const Sample& last = samples.back();
    const Sample* from = nullptr;
    for (const Sample& s : samples) {
        if (&s != &last && s.seconds >= settleSeconds &&
            (from == nullptr || last.seconds - s.seconds >= growthWindowSeconds)) {
            from = &s;
        }
    }
    if (from == nullptr) {
        print("vantrel-bench: resident memory growth: counted only after the first %.0f s, and the run ended at "
              "%.0f s\n",
              settleSeconds, last.seconds);
        return;
    }
    print("vantrel-bench: resident memory growth over the last %.0f s: %+.1f MiB\n", last.seconds - from->seconds,
          (last.kib - from->kib) / 1024.0);
}

double MemoryWatch::highestMiB() const
{
    long highest = 0;
    for (const Sample& s : samples) {
        highest = std::max(highest, s.kib);
    }
    return highest / 1024.0;
}
