#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/screen/StagedPicture.h>
#include "tests/support/Eventually.h"
#include "tests/support/Pixels.h"

using namespace vantrel;

// A reader never sees a frame whose bands are only partly handed over; a frame presented
// whole or band by band ends up the same, and only the published rectangle counts.
TEST(StagedPicture, ReadersWaitForTheWholeFrame)
{
    MemoryPresentTarget target(8, 6);
    ASSERT_TRUE(target.takesBands());
    Image first = filledImage(8, 6, 0x111111);
    target.present(first, Rect{0, 0, 8, 6});

    Image second = filledImage(8, 6, 0x222222);
    target.presentBand(second, Rect{2, 0, 8, 3});
    auto reader = std::async(std::launch::async, [&] { return target.snapshot(); });
    EXPECT_EQ(reader.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout)
        << "a half-copied frame was read";
    target.presentBand(second, Rect{2, 3, 8, 6});
    target.publish(Rect{2, 0, 8, 6});
    const Image seen = reader.get();

    EXPECT_EQ(pixelAt(seen, 1, 5), 0x111111u);
    EXPECT_EQ(pixelAt(seen, 2, 0), 0x222222u);
    EXPECT_EQ(pixelAt(seen, 7, 5), 0x222222u);
    EXPECT_EQ(target.getPresentCount(), 2u);
    EXPECT_EQ(target.getLastRect(), (Rect{2, 0, 8, 6}));
    EXPECT_FALSE(MemoryPresentTarget(8, 6, false).takesBands());
}

namespace {

// Holds the first band it is handed until the test has asked the screen to stop.
class StopDuringFrameTarget : public MemoryPresentTarget {
public:
    using MemoryPresentTarget::MemoryPresentTarget;
    std::atomic<bool> bandArrived{false};
    std::atomic<bool> stopAsked{false};

protected:
    void presentBandImpl(const Image& frame, const Rect& rect) override
    {
        if (!bandArrived.exchange(true)) {
            eventually([this] { return stopAsked.load(); });
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        MemoryPresentTarget::presentBandImpl(frame, rect);
    }
};

} // namespace

// A stop request that reaches the workers while they hand over a frame still lets that
// frame be published whole: no reader is left waiting on a half-copied picture.
TEST(StagedPicture, AStopDuringAFrameLeavesItPublished)
{
    auto target = std::make_shared<StopDuringFrameTarget>(64, 32);
    Screen screen(target, 64, 32, 2);
    screen.createFillRectSprite(0, 1u, Rect{0, 0, 64, 32}, 0, Color::gray(9))->show();
    screen.start();
    ASSERT_TRUE(eventually([&] { return target->bandArrived.load(); }));
    std::thread stopper([&] { screen.stop(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    target->stopAsked = true;
    stopper.join();
    EXPECT_EQ(target->getPresentCount(), 1u);
    EXPECT_EQ(pixelAt(target->snapshot(), 63, 31), 0x090909u);
}

// A reader that must never wait is turned away while a frame is half copied; rows reach the
// picture through its row copy (here one that swaps red and blue, as a canvas wants).
TEST(StagedPicture, TryReadTurnsAwayFromAHalfCopiedFrameAndRowsGoThroughTheRowCopy)
{
    StagedPicture staging(3, 2, 0, [](unsigned char* to, const unsigned char* from, std::uint32_t pixels) {
        for (std::uint32_t x = 0; x < pixels * 4; x += 4) {
            to[x] = from[x + 2];
            to[x + 1] = from[x + 1];
            to[x + 2] = from[x];
            to[x + 3] = from[x + 3];
        }
    });
    staging.copyBand(filledImage(3, 2, 0x00010203), Rect{1, 0, 3, 2});
    EXPECT_FALSE(staging.tryRead([](const Image&) { ADD_FAILURE() << "read a half-copied frame"; }));
    staging.finishFrame();
    std::uint32_t copied = 0;
    EXPECT_TRUE(staging.tryRead([&](const Image& picture) { copied = pixelAt(picture, 2, 1); }));
    EXPECT_EQ(copied, 0x00030201u);
}
