#include <gtest/gtest.h>

#include <malloc.h>

#include <filesystem>
#include <iterator>
#include <memory>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>

using namespace vantrel;

namespace {

std::size_t entriesIn(const char* directory)
{
    std::error_code ignored;
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(directory, ignored), {}));
}

struct ProcessFigures {
    std::size_t threads = entriesIn("/proc/self/task");
    // The directory listing holds one descriptor of its own while it runs.
    std::size_t openFiles = entriesIn("/proc/self/fd") - 1;
    std::size_t heapBytes = mallinfo2().uordblks + mallinfo2().hblkhd;
};

void startAndStop(const std::shared_ptr<MemoryPresentTarget>& target)
{
    Screen screen(target, 64, 32, 2);
    screen.createFillRectSprite(0, 1u, Rect{0, 0, 64, 32}, 0, Color::gray(200))->show();
    screen.start();
    screen.stop();
    screen.start();
    screen.stop();
}

} // namespace

// Each round creates a Screen, runs its render loop and workers twice and destroys it:
// every thread, descriptor and heap byte of a round is given back.
TEST(ScreenLifecycle, AThousandStartsAndStopsLeaveNothingBehind)
{
    auto target = std::make_shared<MemoryPresentTarget>(64, 32);
    for (int round = 0; round < 10; ++round) {
        startAndStop(target);
    }
    ProcessFigures before;
    for (int round = 0; round < 500; ++round) {
        startAndStop(target);
    }
    ProcessFigures after;
    EXPECT_EQ(after.threads, before.threads);
    EXPECT_EQ(after.openFiles, before.openFiles);
    // A thread started under contention may get an arena of its own, whose few bookkeeping
    // blocks stay; one leaked block a round would be at least 16 KB.
    EXPECT_LT(after.heapBytes, before.heapBytes + 8192) << "was " << before.heapBytes;
}
