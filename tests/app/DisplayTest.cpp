#include <gtest/gtest.h>

#include <memory>

#include "app/Display.h"
#include "engine/base/Exception.h"
#include "tests/app/FakeDisplay.h"

using namespace vantrel;
using Widths = std::vector<std::int32_t>;

namespace {

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() { display.setSettings(settings); }

    std::shared_ptr<vantrel::testing::FakeDisplaySettings> settings =
        std::make_shared<vantrel::testing::FakeDisplaySettings>();
    Display display;
};

} // namespace

TEST_F(DisplayTest, FullscreenGivesUpAnEarlierModeAndSuspendsOnlyInFullscreen)
{
    settings->acceptedWidths = {1366, 1360};
    display.suspend();
    display.resume();
    EXPECT_TRUE(settings->changes.empty());

    display.setFullscreen(1366);
    display.setFullscreen(1360);
    EXPECT_EQ(display.getMode().width, 1360);
    display.suspend();
    display.suspend();
    EXPECT_FALSE(display.isApplied());
    display.resume();
    display.resume();
    EXPECT_TRUE(display.isApplied());
    EXPECT_EQ(settings->changes, (Widths{1366, 0, 1360, 0, 1360}));

    // a failed resume stays suspended
    display.suspend();
    settings->acceptedWidths.clear();
    EXPECT_THROW(display.resume(), DisplayException);
    EXPECT_FALSE(display.isApplied());
}

TEST_F(DisplayTest, RefusedModeThrowsWithTheCallAndDestructionNeverThrows)
{
    try {
        display.setFullscreen(1366);
        FAIL() << "no exception";
    } catch (const DisplayException& failure) {
        EXPECT_STREQ(failure.what(), "SDL_SetWindowDisplayMode API failed in "
                                     "vantrel::`anonymous-namespace'::changeDisplaySettings method.");
        EXPECT_EQ(failure.getResult(), -1);
    }
    EXPECT_FALSE(display.isFullscreen());
    Display unset;
    EXPECT_THROW(unset.setFullscreen(1366), DisplayException);
    EXPECT_THROW(unset.setWindowed(), DisplayException);

    // only a full-screen display gives the desktop its mode back, whatever the outcome
    settings->acceptedWidths = {1366};
    {
        Display windowed;
        windowed.setSettings(settings);
        Display fullscreen;
        fullscreen.setSettings(settings);
        fullscreen.setFullscreen(1366);
        settings->restoreFails = true;
    }
    EXPECT_EQ(settings->changes, (Widths{1366, 1366, 0}));
}
