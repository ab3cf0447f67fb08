#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include <vantrel/base/ThreadNotifier.h>

namespace vantrel {

// Runs one body on its own thread; stopping is cooperative through the notifier.
class Thread {
public:
    using Body = std::function<void(ThreadNotifier&)>;
    static constexpr std::uint32_t failedExitCode = 0xFFFFFFFF;

    Thread();
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts `body`. A thread still held from an earlier start is stopped and joined first.
    void start(Body body);

    // Asks the body to stop, waits for it without limit and releases the thread.
    // Does nothing when no thread is held.
    void stop();

    void requestStop() { notifier.set(); }
    void join();
    bool isRunning() const noexcept { return handle.joinable(); }
    ThreadNotifier& getNotifier() noexcept { return notifier; }

    // 0 when the body returned, 0xFFFFFFFF when it threw or was empty.
    std::uint32_t getExitCode() const noexcept { return exitCode.load(); }

private:
    void run() noexcept;

    std::thread handle;
    ThreadNotifier notifier;
    Body body;
    std::atomic<std::uint32_t> exitCode{0};
};

} // namespace vantrel
