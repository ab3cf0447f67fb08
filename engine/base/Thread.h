#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include <vantrel/base/ThreadNotifier.h>

namespace vantrel {

/// Runs one body on its own thread; stopping is cooperative through the notifier.
class Thread {
public:
    /// What the thread runs; it polls or waits on the notifier to learn of a stop request.
    using Body = std::function<void(ThreadNotifier&)>;
    /// The exit code of a body that threw or was empty.
    static constexpr std::uint32_t failedExitCode = 0xFFFFFFFF;

    Thread();
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    /// Starts `body`. A thread still held from an earlier start is stopped and joined first.
    void start(Body body);

    /// Asks the body to stop, waits for it without limit and releases the thread.
    /// Does nothing when no thread is held.
    void stop();

    /// Asks the body to stop, without waiting.
    void requestStop() { notifier.set(); }
    /// Waits for the body to end and releases the thread.
    void join();
    /// Whether a thread is held (started and not yet joined).
    bool isRunning() const noexcept { return handle.joinable(); }
    /// The stop request the body watches.
    ThreadNotifier& getNotifier() noexcept { return notifier; }

    /// 0 when the body returned, 0xFFFFFFFF when it threw or was empty.
    std::uint32_t getExitCode() const noexcept { return exitCode.load(); }

private:
    void run() noexcept;

    std::thread handle;
    ThreadNotifier notifier;
    Body body;
    std::atomic<std::uint32_t> exitCode{0};
};

} // namespace vantrel
