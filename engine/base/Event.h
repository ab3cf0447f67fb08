#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace vantrel {

/// A manual-reset event. `isSignalled` mirrors the last successful set or reset and
/// may be read without the lock; a stale value only delays a decision to the next wait.
class Event {
public:
    /// A time-out that never passes.
    static constexpr std::uint32_t infinite = 0xFFFFFFFF;

    Event();
    virtual ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    /// Signals the event and wakes every waiter.
    void set();
    /// Clears the signal.
    void reset();
    /// Whether the event is signalled (see the class note on staleness).
    bool isSignalled() const noexcept { return signalled.load(std::memory_order_acquire); }

    /// Waits until signalled (true) or until the time-out passes (false).
    bool waitDeep(std::uint32_t milliseconds);

    /// Waits without limit for any event of [first, last); returns the index of the
    /// first signalled one.
    static int waitDeep(Event* const* first, Event* const* last);

private:
    /// One thread blocked in the multi-event wait; registered with every event it waits on.
    struct Waiter {
        std::mutex lock;
        std::condition_variable wake;
        bool woken = false;
    };

    void addWaiter(Waiter* waiter);
    void removeWaiter(Waiter* waiter);

    std::atomic<bool> signalled{false};
    std::mutex lock;
    std::condition_variable changed;
    std::vector<Waiter*> waiters;
};

} // namespace vantrel
