#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "engine/sound/Singleton.h"

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

} // namespace

TEST_F(SingletonTest, SecondGetInstanceReturnsTheSameObject)
{
    auto first = Counted::getInstance();
    auto second = Counted::getInstance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(constructed, 1);
}

TEST_F(SingletonTest, DestroyReleasesAndTheNextUseCreatesAnew)
{
    Counted::getInstance();
    Counted::destroy();
    EXPECT_EQ(destroyed, 1);
    Counted::destroy();
    EXPECT_EQ(destroyed, 1);
    Counted::getInstance();
    EXPECT_EQ(constructed, 2);
}

TEST_F(SingletonTest, AHolderKeepsTheInstanceAliveAfterDestroy)
{
    auto held = Counted::getInstance();
    Counted::destroy();
    EXPECT_EQ(destroyed, 0);
    auto fresh = Counted::getInstance();
    EXPECT_NE(fresh, held);
    held.reset();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(SingletonTest, FailedConstructionLeavesTheLockFree)
{
    failuresLeft = 1;
    EXPECT_THROW(Counted::getInstance(), std::runtime_error);
    EXPECT_NE(Counted::getInstance(), nullptr);
    EXPECT_EQ(constructed, 1);
}

TEST_F(SingletonTest, ConcurrentFirstUseCreatesOneObject)
{
    std::atomic<bool> go{false};
    std::vector<Counted*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&, i] {
            while (!go.load()) {
                std::this_thread::yield();
            }
            seen[i] = Counted::getInstance().get();
        });
    }
    go = true;
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(constructed, 1);
    for (Counted* instance : seen) {
        EXPECT_EQ(instance, seen[0]);
    }
}

TEST_F(SingletonTest, ConcurrentUseAndDestroyStayConsistent)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i) {
                if ((i + t) % 3 == 0) {
                    Counted::destroy();
                } else {
                    EXPECT_NE(Counted::getInstance(), nullptr);
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    Counted::destroy();
    EXPECT_EQ(constructed.load(), destroyed.load());
}
