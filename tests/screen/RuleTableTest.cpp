#include <gtest/gtest.h>

#include <vantrel/screen/RuleTable.h>

using namespace vantrel;

TEST(RuleTable, SoftEdgeSweepsWithTheLevel)
{
    TransitionTable half = buildRuleTable(128, 64);
    EXPECT_EQ(half.progress, 128u);
    EXPECT_EQ(half.weights[95], 0);
    EXPECT_EQ(half.weights[96], 0);
    EXPECT_EQ(half.weights[100], 4 * 255 / 64);
    EXPECT_EQ(half.weights[159], 63 * 255 / 64);
    EXPECT_EQ(half.weights[160], 255);

    TransitionTable none = buildRuleTable(levelWeight(0), 64);
    EXPECT_EQ(none.progress, 0u);
    EXPECT_EQ(none.weights, decltype(none.weights){});
    TransitionTable full = buildRuleTable(levelWeight(255), 64);
    EXPECT_EQ(full.progress, 256u);
    EXPECT_EQ(full.weights[0], 255);
    EXPECT_EQ(levelWeight(127), 127u);
    EXPECT_EQ(levelWeight(128), 129u);
}
