#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/StringTable.h"

using vantrel::loadString;

TEST(StringTable, HoldsExactlyTheThreeMessagesAndTheCaption)
{
    const std::pair<int, const char*> table[] = {
        {40000, "ディスプレイ解像度の変更に失敗しました。"},
        {40001, "ディスプレイ解像度が不足しています。1360 x 678 以上の解像度の環境が必要です。"},
        {40002, "Vantrel - ヴァントレル"},
    };
    for (const auto& [id, text] : table) {
        ASSERT_NE(loadString(id), nullptr) << id;
        EXPECT_EQ(std::string(loadString(id)), text) << id;
    }
    for (int id : {-1, 0, 39999, 40003, 40004, 101}) {
        EXPECT_EQ(loadString(id), nullptr) << id;
    }
}
