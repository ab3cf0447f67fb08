#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <latch>
#include <stdexcept>
#include <thread>
#include <vector>

#include <vantrel/sound/Singleton.h>

using namespace vantrel;

namespace {

std::atomic<int> constructed{0};
std::atomic<int> destroyed{0};
std::atomic<bool> failNext{false};

class Counted : public Singleton<Counted> {
public:
    Counted()
    {
        if (failNext.exchange(false)) {
            throw std::runtime_error("construction failed");
        }
        ++constructed;
    }
    ~Counted() override { ++destroyed; }
};

// Runs `work(t)` on `count` threads that start together.
template <class Work>
void onThreads(int count, Work work)
{
    std::latch go(count);
    std::vector<std::jthread> threads;
    for (int t = 0; t < count; ++t) {
        threads.emplace_back([&, t] {
            go.arrive_and_wait();
            work(t);
        });
    }
}

} // namespace

TEST(Singleton, OneInstanceAtATimeOnAnyThreadAndHoldersKeepTheirs)
{
    // A failed construction leaves the lock free for the next attempt.
    failNext = true;
    EXPECT_THROW(Counted::getInstance(), std::runtime_error);
    auto held = Counted::getInstance();
    EXPECT_EQ(Counted::getInstance(), held);
    Counted::destroy();
    Counted::destroy();
    EXPECT_EQ(destroyed, 0);
    auto fresh = Counted::getInstance();
    EXPECT_NE(fresh, held);
    held.reset();
    EXPECT_EQ(destroyed, 1);
    fresh.reset();
    Counted::destroy();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(constructed, 2);

    // Threads that first use it together share one object; use and destruction on several
    // threads at once destroy every object made, once.
    std::vector<Counted*> seen(8, nullptr);
    onThreads(8, [&](int t) { seen[t] = Counted::getInstance().get(); });
    EXPECT_EQ(constructed, 3);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), seen[0]), 8);
    onThreads(4, [](int t) {
        for (int i = 0; i < 200; ++i) {
            if ((i + t) % 3 == 0) {
                Counted::destroy();
            } else {
                EXPECT_NE(Counted::getInstance(), nullptr);
            }
        }
    });
    Counted::destroy();
    EXPECT_EQ(constructed.load(), destroyed.load());
}
