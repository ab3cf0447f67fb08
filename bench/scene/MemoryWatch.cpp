#include "bench/scene/MemoryWatch.h"

#include "bench/scene/ProcessFigures.h"

namespace {

constexpr double growthWindowSeconds = 300.0;

} // namespace

MemoryWatch::MemoryWatch(std::FILE* out, std::chrono::seconds interval) : out(out), interval(interval)
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
    std::fprintf(out, "vantrel-bench: resident memory %s (%.0f s): %.1f MiB\n", label, seconds, kib / 1024.0);
    std::fflush(out);
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
    // The growth is measured from the last sample at least five minutes before the end,
    // or from the first one when the run was shorter.
    const Sample& last = samples.back();
    const Sample* from = &samples.front();
    for (const Sample& s : samples) {
        if (last.seconds - s.seconds >= growthWindowSeconds) {
            from = &s;
        }
    }
    std::fprintf(out, "vantrel-bench: resident memory growth over the last %.0f s: %+.1f MiB\n",
                 last.seconds - from->seconds, (last.kib - from->kib) / 1024.0);
    std::fflush(out);
}
