#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <utility>

#include <vantrel/base/Exception.h>
#include <vantrel/base/Thread.h>
#include "tests/support/Failure.h"

using namespace vantrel;
using namespace std::chrono_literals;

// A sleep times out and a wait wakes for its event, unless a stop was asked for first.
TEST(ThreadNotifier, SleepAndWaitEndUnlessStopped)
{
    ThreadNotifier notifier;
    Event event;
    notifier.sleep(0);
    auto start = std::chrono::steady_clock::now();
    notifier.sleep(5);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 4ms);
    std::jthread setter([&] {
        std::this_thread::sleep_for(10ms);
        event.set();
    });
    EXPECT_TRUE(notifier.wait(event));
    EXPECT_TRUE(notifier.wait(event));
    EXPECT_TRUE(event.isSignalled()) << "wait leaves the event set";
    notifier.set();
    EXPECT_EQ(failureOf<InterruptedException>([&] { notifier.sleep(0); }),
              "Thread interupted in vantrel::ThreadNotifier::sleep method.");
    EXPECT_EQ(failureOf<InterruptedException>([&] { notifier.sleep(1000); }),
              "Thread interupted in vantrel::ThreadNotifier::sleep method.");
    EXPECT_EQ(failureOf<InterruptedException>([&] { notifier.wait(event); }),
              "Thread interupted in vantrel::ThreadNotifier::wait method.");
}

TEST(Thread, ExitCodes)
{
    const std::pair<Thread::Body, std::uint32_t> cases[] = {
        {[](ThreadNotifier&) {}, 0},
        {[](ThreadNotifier&) { throw std::runtime_error("boom"); }, Thread::failedExitCode},
        {Thread::Body(), Thread::failedExitCode},
    };
    for (const auto& [body, code] : cases) {
        Thread thread;
        thread.start(body);
        thread.join();
        EXPECT_EQ(thread.getExitCode(), code);
    }
}

// A body blocked in a sleep or a wait ends promptly when its thread is stopped, destroyed or
// started again; a thread never started destroys cleanly.
TEST(Thread, StopDestroyAndRestartEndABlockedBodyPromptly)
{
    enum class End { Stop, Destroy, Restart };
    for (End end : {End::Stop, End::Destroy, End::Restart}) {
        for (bool waits : {false, true}) {
            SCOPED_TRACE(testing::Message() << int(end) << (waits ? " wait" : " sleep"));
            Event never;
            std::atomic<int> blocked{0};
            auto body = [&](ThreadNotifier& notifier) {
                ++blocked;
                if (waits) {
                    notifier.wait(never);
                }
                notifier.sleep(60000);
            };
            auto start = std::chrono::steady_clock::now();
            {
                Thread thread;
                for (int run = 1; run <= (end == End::Restart ? 2 : 1); ++run) {
                    thread.start(body);
                    while (blocked < run) {
                        std::this_thread::yield();
                    }
                }
                if (end != End::Destroy) {
                    thread.stop();
                    EXPECT_FALSE(thread.isRunning());
                    EXPECT_EQ(thread.getExitCode(), Thread::failedExitCode);
                }
            }
            EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        }
    }
    { Thread idle; }
}
