#include <gtest/gtest.h>

#include <memory>

#include "app/Display.h"
#include "engine/base/Exception.h"
#include "tests/app/FakeDisplay.h"

using namespace vantrel;
using vantrel::testing::FakeDisplaySettings;

namespace {

bool isRestore(const std::optional<DisplayMode>& change)
{
    return !change.has_value();
}

} // namespace

TEST(Display, FullscreenAppliesWidthBy768AndGivesUpAnEarlierMode)
{
    auto settings = std::make_shared<FakeDisplaySettings>();
    settings->acceptedWidths = {1366, 1360};
    Display display;
    display.setSettings(settings);

    display.setFullscreen(1366);
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_EQ(display.getMode().width, 1366);
    EXPECT_EQ(display.getMode().height, 768);
    display.setFullscreen(1360);
    ASSERT_EQ(settings->changes.size(), 3u);
    EXPECT_EQ(settings->changes[0]->width, 1366);
    EXPECT_TRUE(isRestore(settings->changes[1]));
    EXPECT_EQ(settings->changes[2]->width, 1360);
    EXPECT_EQ(settings->changes[2]->height, 768);
}

TEST(Display, RefusedModeThrowsWithTheCallAndLeavesWindowed)
{
    auto settings = std::make_shared<FakeDisplaySettings>();
    Display display;
    display.setSettings(settings);
    try {
        display.setFullscreen(1366);
        FAIL() << "no exception";
    } catch (const DisplayException& failure) {
        EXPECT_STREQ(failure.what(), "SDL_SetWindowDisplayMode API failed in "
                                     "vantrel::`anonymous-namespace'::changeDisplaySettings method.");
        EXPECT_EQ(failure.getResult(), -1);
    }
    EXPECT_FALSE(display.isFullscreen());
}

TEST(Display, WithoutSettingsEveryChangeFails)
{
    Display display;
    EXPECT_THROW(display.setFullscreen(1366), DisplayException);
    EXPECT_THROW(display.setWindowed(), DisplayException);
}

TEST(Display, SuspendAndResumeOnlyInFullscreen)
{
    auto settings = std::make_shared<FakeDisplaySettings>();
    settings->acceptedWidths = {1366};
    Display display;
    display.setSettings(settings);

    display.suspend();
    display.resume();
    EXPECT_TRUE(settings->changes.empty());
    EXPECT_TRUE(display.isApplied());

    display.setFullscreen(1366);
    display.suspend();
    display.suspend();
    EXPECT_FALSE(display.isApplied());
    display.resume();
    display.resume();
    EXPECT_TRUE(display.isApplied());
    ASSERT_EQ(settings->changes.size(), 3u);
    EXPECT_TRUE(isRestore(settings->changes[1]));
    EXPECT_EQ(settings->changes[2]->width, 1366);
}

TEST(Display, FailedResumeStaysSuspended)
{
    auto settings = std::make_shared<FakeDisplaySettings>();
    settings->acceptedWidths = {1366};
    Display display;
    display.setSettings(settings);
    display.setFullscreen(1366);
    display.suspend();
    settings->acceptedWidths.clear();
    EXPECT_THROW(display.resume(), DisplayException);
    EXPECT_FALSE(display.isApplied());
}

TEST(Display, DestructionGivesTheDesktopItsModeBackAndNeverThrows)
{
    auto settings = std::make_shared<FakeDisplaySettings>();
    settings->acceptedWidths = {1366};
    {
        Display display;
        display.setSettings(settings);
        display.setFullscreen(1366);
        settings->restoreFails = true;
    }
    ASSERT_EQ(settings->changes.size(), 2u);
    EXPECT_TRUE(isRestore(settings->changes[1]));

    settings->changes.clear();
    {
        Display display;
        display.setSettings(settings);
    }
    EXPECT_TRUE(settings->changes.empty());
}

TEST(Display, IsOneProcessWideInstance)
{
    EXPECT_EQ(Display::getInstance(), Display::getInstance());
}
