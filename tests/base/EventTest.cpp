#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include <vantrel/base/Event.h>

using namespace vantrel;
using namespace std::chrono_literals;

TEST(Event, StartsResetMirrorsSetAndResetAndTimedWaitsTimeOut)
{
    Event event;
    EXPECT_FALSE(event.isSignalled());
    event.set();
    EXPECT_TRUE(event.isSignalled());
    EXPECT_TRUE(event.waitDeep(0));
    EXPECT_TRUE(event.isSignalled()) << "a wait never resets a manual-reset event";
    event.reset();
    EXPECT_FALSE(event.isSignalled());
    EXPECT_FALSE(event.waitDeep(0));
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(event.waitDeep(20));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 19ms);
}

TEST(Event, WaitsEndWhenAnotherThreadSets)
{
    std::vector<Event> events(20);
    std::vector<Event*> pointers;
    for (auto& event : events) {
        pointers.push_back(&event);
    }
    std::thread setter([&] {
        std::this_thread::sleep_for(10ms);
        events[3].set();
        std::this_thread::sleep_for(10ms);
        events[17].set();
    });
    EXPECT_TRUE(events[3].waitDeep(Event::infinite));
    events[3].reset();
    EXPECT_EQ(Event::waitDeep(pointers.data(), pointers.data() + pointers.size()), 17);
    setter.join();
    // The first signalled index wins.
    events[2].set();
    EXPECT_EQ(Event::waitDeep(pointers.data(), pointers.data() + pointers.size()), 2);
}

TEST(Event, ManyWaitersAllWake)
{
    Event event;
    std::vector<std::thread> waiters;
    for (int i = 0; i < 4; ++i) {
        waiters.emplace_back([&] {
            Event* one[] = {&event};
            EXPECT_EQ(Event::waitDeep(one, one + 1), 0);
        });
    }
    std::this_thread::sleep_for(5ms);
    event.set();
    for (auto& waiter : waiters) {
        waiter.join();
    }
}
