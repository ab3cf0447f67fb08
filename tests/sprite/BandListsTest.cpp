#include <gtest/gtest.h>

#include <random>
#include <vector>

#include <vantrel/sprite/BandLists.h>
#include <vantrel/sprite/CommandMatch.h>

using namespace vantrel;

// Each band lists exactly the commands that touch its rows, in drawing order: commands
// reaching above the frame, below it, past its last row into the row-less band after it,
// and ones wholly outside, for band heights that do and do not divide the height. Commands
// without rows draw nothing and are in no list.
TEST(BandLists, ListExactlyTheCommandsTouchingEachBand)
{
    std::mt19937 random(7);
    const std::int32_t height = 75;
    for (std::int32_t bandHeight : {1, 7, 11, 25}) {
        const std::int32_t bandCount = (height + bandHeight + 1) / bandHeight;
        DrawCommands commands(300);
        for (DrawCommand& command : commands) {
            auto top = static_cast<std::int32_t>(random() % 120) - 30;
            auto rows = static_cast<std::int32_t>(random() % 40) - 2;
            command.bounds = Rect{0, top, 5, top + rows};
        }
        BandLists lists;
        lists.build(commands, bandHeight, bandCount, height);
        for (std::int32_t band = 0; band < bandCount; ++band) {
            Rect rows{0, std::min(band * bandHeight, height), 0, std::min((band + 1) * bandHeight, height)};
            std::vector<std::uint32_t> expected;
            for (std::uint32_t i = 0; i < commands.size(); ++i) {
                if (commands[i].bounds.top < commands[i].bounds.bottom && touchesRows(commands[i], rows)) {
                    expected.push_back(i);
                }
            }
            auto listed = lists.of(band);
            EXPECT_EQ(std::vector<std::uint32_t>(listed.begin(), listed.end()), expected)
                << "band height " << bandHeight << ", band " << band;
        }
        EXPECT_TRUE(lists.of(bandCount).empty());
    }
}
