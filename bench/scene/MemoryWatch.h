#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "bench/scene/ProgressLine.h"

// Samples the process's resident memory at start and once a minute on a thread of its own,
// printing each sample as it is taken (above the progress line, if there is one); finish()
// takes a last sample and prints how much the resident memory grew after the first minute,
// over at most the last five minutes of the run.
class MemoryWatch {
public:
    explicit MemoryWatch(std::FILE* out, ProgressLine* progress = nullptr,
                         std::chrono::seconds interval = std::chrono::minutes(1));
    ~MemoryWatch();
    MemoryWatch(const MemoryWatch&) = delete;
    MemoryWatch& operator=(const MemoryWatch&) = delete;

    // Stops sampling; prints the final sample and the growth. Called once, while the
    // measured work still runs.
    void finish();
    // The highest sample, in MiB; after finish.
    double highestMiB() const;

private:
    struct Sample {
        double seconds;
        long kib;
    };

    void sample(const char* label);
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void run();

    std::FILE* out;
    ProgressLine* progress;
    std::chrono::seconds interval;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::vector<Sample> samples;
    std::mutex lock;
    std::condition_variable wake;
    bool stopping = false;
    std::thread sampler;
};
