#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include <vantrel/sound/Singleton.h>

using namespace vantrel;

namespace {

std::atomic<int> constructed{0};
std::atomic<int> destroyed{0};
std::atomic<int> failuresLeft{0};

class Counted : public Singleton<Counted> {
public:
    Counted()
    {
        if (failuresLeft.load() > 0) {
            --failuresLeft;
            throw std::runtime_error("construction failed");
        }
        ++constructed;
    }
    ~Counted() override { ++destroyed; }
};

class SingletonTest : public testing::Test {
protected:
    void SetUp() override
    {
        Counted::destroy();
        constructed = 0;
        destroyed = 0;
        failuresLeft = 0;
    }
    void TearDown() override { Counted::destroy(); }
};

// Runs `work(t)` on `count` threads that start together.
template <class Work>
void onThreads(int count, Work work)
{
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < count; ++t) {
        threads.emplace_back([&, t] {
            while (!go.load()) {
                std::this_thread::yield();
            }
            work(t);
        });
    }
    go = true;
    for (auto& thread : threads) {
        thread.join();
    }
}

} // namespace

TEST_F(SingletonTest, OneInstanceUntilDestroyedAndHoldersKeepTheirs)
{
    // A failed construction leaves the lock free for the next attempt.
    failuresLeft = 1;
    EXPECT_THROW(Counted::getInstance(), std::runtime_error);
    auto held = Counted::getInstance();
    EXPECT_EQ(Counted::getInstance(), held);
    EXPECT_EQ(constructed, 1);
    Counted::destroy();
    Counted::destroy();
    EXPECT_EQ(destroyed, 0);
    auto fresh = Counted::getInstance();
    EXPECT_NE(fresh, held);
    EXPECT_EQ(constructed, 2);
    held.reset();
    EXPECT_EQ(destroyed, 1);
    fresh.reset();
    Counted::destroy();
    Counted::destroy();
    EXPECT_EQ(destroyed, 2);
}

TEST_F(SingletonTest, ConcurrentFirstUseCreatesOneObject)
{
    std::vector<Counted*> seen(8, nullptr);
    onThreads(8, [&](int t) { seen[t] = Counted::getInstance().get(); });
    EXPECT_EQ(constructed, 1);
    for (Counted* instance : seen) {
        EXPECT_EQ(instance, seen[0]);
    }
}

TEST_F(SingletonTest, ConcurrentUseAndDestroyStayConsistent)
{
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
