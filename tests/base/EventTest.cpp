#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include <vantrel/base/Event.h>

using namespace vantrel;
using namespace std::chrono_literals;

TEST(Event, StartsResetAndMirrorsSetAndReset)
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
}

// Single and multiple waits on several threads all end when another thread sets the event;
// among several signalled events the first index wins.
TEST(Event, EveryWaiterWakesWhenAnotherThreadSets)
{
    std::vector<Event> events(20);
    std::vector<Event*> all(events.size());
    std::transform(events.begin(), events.end(), all.begin(), [](Event& event) { return &event; });
    {
        std::vector<std::jthread> waiters;
        for (int i = 0; i < 6; ++i) {
            waiters.emplace_back([&, i] {
                if (i % 2 == 0) {
                    EXPECT_TRUE(events[17].waitDeep(Event::infinite));
                } else {
                    EXPECT_EQ(Event::waitDeep(all.data(), all.data() + all.size()), 17);
                }
            });
        }
        std::this_thread::sleep_for(10ms);
        events[17].set();
    }
    events[2].set();
    EXPECT_EQ(Event::waitDeep(all.data(), all.data() + all.size()), 2);
}
