#include <vantrel/base/Event.h>

#include <algorithm>
#include <chrono>

namespace vantrel {

Event::Event() = default;

Event::~Event() = default;

void Event::set()
{
    std::lock_guard<std::mutex> guard(lock);
    signalled.store(true, std::memory_order_release);
    changed.notify_all();
    for (Waiter* waiter : waiters) {
        std::lock_guard<std::mutex> waiterGuard(waiter->lock);
        waiter->woken = true;
        waiter->wake.notify_one();
    }
}

void Event::reset()
{
    std::lock_guard<std::mutex> guard(lock);
    signalled.store(false, std::memory_order_release);
}

bool Event::waitDeep(std::uint32_t milliseconds)
{
    std::unique_lock<std::mutex> guard(lock);
    auto isSet = [this] { return signalled.load(std::memory_order_acquire); };
    if (milliseconds == infinite) {
        changed.wait(guard, isSet);
        return true;
    }
    return changed.wait_for(guard, std::chrono::milliseconds(milliseconds), isSet);
}

void Event::addWaiter(Waiter* waiter)
{
    std::lock_guard<std::mutex> guard(lock);
    waiters.push_back(waiter);
}

void Event::removeWaiter(Waiter* waiter)
{
    std::lock_guard<std::mutex> guard(lock);
    waiters.erase(std::find(waiters.begin(), waiters.end(), waiter));
}

int Event::waitDeep(Event* const* first, Event* const* last)
{
    if (first == last) {
        return -1;
    }
    Waiter waiter;
    for (Event* const* event = first; event != last; ++event) {
        (*event)->addWaiter(&waiter);
    }
    int found = -1;
    for (;;) {
        // Clear the wake flag before looking, so a set that lands after the look wakes us.
        {
            std::lock_guard<std::mutex> guard(waiter.lock);
            waiter.woken = false;
        }
        for (Event* const* event = first; event != last; ++event) {
            if ((*event)->isSignalled()) {
                found = static_cast<int>(event - first);
                break;
            }
        }
        if (found >= 0) {
            break;
        }
        std::unique_lock<std::mutex> guard(waiter.lock);
        waiter.wake.wait(guard, [&waiter] { return waiter.woken; });
    }
    for (Event* const* event = first; event != last; ++event) {
        (*event)->removeWaiter(&waiter);
    }
    return found;
}

} // namespace vantrel
