#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>

#include <vantrel/base/Exception.h>
#include <vantrel/base/Thread.h>

using namespace vantrel;
using namespace std::chrono_literals;

namespace {

template <class F>
void expectInterrupted(F&& f, const char* expectedText)
{
    try {
        f();
        FAIL() << "expected InterruptedException";
    } catch (const InterruptedException& e) {
        EXPECT_STREQ(e.what(), expectedText);
    }
}

constexpr const char* sleepText = "Thread interupted in vantrel::ThreadNotifier::sleep method.";
constexpr const char* waitText = "Thread interupted in vantrel::ThreadNotifier::wait method.";

} // namespace

TEST(ThreadNotifier, SleepTimesOutUnlessStopped)
{
    ThreadNotifier notifier;
    notifier.sleep(0);
    auto start = std::chrono::steady_clock::now();
    notifier.sleep(5);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 4ms);
    notifier.set();
    expectInterrupted([&] { notifier.sleep(0); }, sleepText);
    expectInterrupted([&] { notifier.sleep(1000); }, sleepText);
}

TEST(ThreadNotifier, WaitWakesForTheEventButGivesTheStopRequestPriority)
{
    ThreadNotifier notifier;
    Event event;
    std::thread setter([&] {
        std::this_thread::sleep_for(10ms);
        event.set();
    });
    EXPECT_TRUE(notifier.wait(event));
    setter.join();
    EXPECT_TRUE(notifier.wait(event));
    EXPECT_TRUE(event.isSignalled()) << "wait leaves the event set";
    notifier.set();
    expectInterrupted([&] { notifier.wait(event); }, waitText);
}

TEST(Thread, ExitCodes)
{
    Thread returns;
    returns.start([](ThreadNotifier&) {});
    returns.join();
    EXPECT_EQ(returns.getExitCode(), 0u);

    Thread throws;
    throws.start([](ThreadNotifier&) { throw std::runtime_error("boom"); });
    throws.join();
    EXPECT_EQ(throws.getExitCode(), Thread::failedExitCode);

    Thread empty;
    empty.start(Thread::Body());
    empty.join();
    EXPECT_EQ(empty.getExitCode(), Thread::failedExitCode);
}

TEST(Thread, StopEndsASleepPromptly)
{
    Thread thread;
    std::atomic<bool> sleeping{false};
    thread.start([&](ThreadNotifier& notifier) {
        sleeping = true;
        notifier.sleep(60000);
    });
    while (!sleeping) {
        std::this_thread::yield();
    }
    auto start = std::chrono::steady_clock::now();
    thread.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(thread.isRunning());
    EXPECT_EQ(thread.getExitCode(), Thread::failedExitCode);
}

TEST(Thread, DestroyingARunningThreadEndsAWaitPromptly)
{
    Event never;
    std::atomic<bool> waiting{false};
    auto start = std::chrono::steady_clock::now();
    {
        Thread thread;
        thread.start([&](ThreadNotifier& notifier) {
            waiting = true;
            notifier.wait(never);
        });
        while (!waiting) {
            std::this_thread::yield();
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST(Thread, NeverStartedDestroysCleanlyAndCanRestart)
{
    { Thread idle; }
    Thread thread;
    std::atomic<int> runs{0};
    thread.start([&](ThreadNotifier&) { ++runs; });
    thread.start([&](ThreadNotifier& notifier) {
        ++runs;
        notifier.sleep(60000);
    });
    thread.stop();
    EXPECT_EQ(runs.load(), 2);
}
