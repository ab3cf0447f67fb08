#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

// What an action cost, measured in a child process that starts as a copy of this one: the
// most address space the action added at any moment (every reservation counts, touched or
// not) and its duration. A sanitizer's own reserves swamp the first figure, so tests bound it
// only where `costIsBounded`.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VANTREL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VANTREL_SANITIZED 1
#endif
#endif
#ifdef VANTREL_SANITIZED
inline constexpr bool costIsBounded = false;
#else
inline constexpr bool costIsBounded = true;
#endif

struct ChildCost {
    std::string outcome; // what the action returned
    std::size_t peakBytes = 0;
    double milliseconds = 0;

    void print(const std::string& label) const
    {
        std::printf("[ figures  ] %s: %.1f ms, at most %.2f MiB more address space\n", label.c_str(), milliseconds,
                    static_cast<double>(peakBytes) / (1 << 20));
    }
};

// A /proc/self/status size in bytes.
inline std::size_t statusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0) {
            return std::stoull(line.substr(field.size())) * 1024;
        }
    }
    return 0;
}

// Runs `action`, which returns a string, in a child; nothing it changes reaches this process.
// The child starts with its peak at its size, so the peak it reaches less that size is the cost.
template <class Action>
ChildCost costInChild(Action action)
{
    int channel[2];
    if (pipe(channel) != 0) {
        return ChildCost{"no pipe"};
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::size_t before = statusBytes("VmSize:");
        const std::string outcome = action();
        const std::size_t peak = statusBytes("VmPeak:") - before;
        bool written = write(channel[1], &peak, sizeof peak) == sizeof peak &&
                       write(channel[1], outcome.data(), outcome.size()) == static_cast<ssize_t>(outcome.size());
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    ChildCost cost;
    bool complete = child > 0 && read(channel[0], &cost.peakBytes, sizeof cost.peakBytes) == sizeof cost.peakBytes;
    char buffer[256];
    for (ssize_t count; (count = read(channel[0], buffer, sizeof buffer)) > 0;) {
        cost.outcome.append(buffer, static_cast<std::size_t>(count));
    }
    close(channel[0]);
    int status = 0;
    complete = complete && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    cost.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!complete) {
        cost.outcome = "the measuring child failed: " + cost.outcome;
    }
    return cost;
}

constexpr std::size_t operator""_MiB(unsigned long long count)
{
    return static_cast<std::size_t>(count) << 20;
}
