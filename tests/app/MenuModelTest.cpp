#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MenuModel.h"

using namespace vantrel;

TEST(MenuLabel, SplitsMnemonicAndAccelerator)
{
    MenuLabel exit = parseMenuLabel("終了(&X)\tCtrl+Q");
    EXPECT_EQ(exit.text, U"終了(X)");
    EXPECT_EQ(exit.mnemonicIndex, 3u);
    EXPECT_EQ(exit.mnemonic, U'X');
    EXPECT_EQ(exit.accelerator, U"Ctrl+Q");

    MenuLabel file = parseMenuLabel("ファイル(&F)");
    EXPECT_EQ(file.text, U"ファイル(F)");
    EXPECT_EQ(file.mnemonicIndex, 5u);
    EXPECT_TRUE(file.accelerator.empty());
}

TEST(MenuLabel, HandlesDoubledTrailingAndLowerCaseMarks)
{
    MenuLabel both = parseMenuLabel("A&&B &c");
    EXPECT_EQ(both.text, U"A&B c");
    EXPECT_EQ(both.mnemonicIndex, 4u);
    EXPECT_EQ(both.mnemonic, U'C');

    MenuLabel trailing = parseMenuLabel("Save&");
    EXPECT_EQ(trailing.text, U"Save");
    EXPECT_EQ(trailing.mnemonicIndex, MenuLabel::noMnemonic);

    MenuLabel firstWins = parseMenuLabel("&a&b");
    EXPECT_EQ(firstWins.text, U"ab");
    EXPECT_EQ(firstWins.mnemonic, U'A');

    MenuLabel tabOnly = parseMenuLabel("\tAlt+Enter");
    EXPECT_TRUE(tabOnly.text.empty());
    EXPECT_EQ(tabOnly.accelerator, U"Alt+Enter");
}

TEST(MenuBar, MainMenuStartsWithWindowGreyedAndNoMark)
{
    MenuBar menu = MenuBar::createMainMenu();
    ASSERT_EQ(menu.getPopups().size(), 2u);
    EXPECT_EQ(menu.getPopups()[0].label.text, U"ファイル(F)");
    EXPECT_EQ(menu.getPopups()[1].label.text, U"表示(V)");
    ASSERT_EQ(menu.getPopups()[1].items.size(), 2u);
    EXPECT_EQ(menu.getPopups()[1].items[0].label.text, U"フルスクリーン(S)");
    EXPECT_EQ(menu.getPopups()[1].items[1].label.text, U"ウィンドウ(W)");
    EXPECT_EQ(menu.getPopups()[1].items[1].label.accelerator, U"Alt+Enter");

    EXPECT_TRUE(menu.findItem(exitCommand)->enabled);
    EXPECT_TRUE(menu.findItem(fullscreenCommand)->enabled);
    EXPECT_FALSE(menu.findItem(windowCommand)->enabled);
    EXPECT_FALSE(menu.findItem(fullscreenCommand)->checked);
    EXPECT_FALSE(menu.findItem(windowCommand)->checked);
    EXPECT_EQ(menu.findItem(toggleDisplayCommand), nullptr);
}

TEST(MenuBar, RadioMarkMovesWithinItsRangeOnly)
{
    MenuBar menu = MenuBar::createMainMenu();
    EXPECT_TRUE(menu.checkRadioItem(fullscreenCommand, windowCommand, windowCommand));
    EXPECT_TRUE(menu.findItem(windowCommand)->checked);
    EXPECT_FALSE(menu.findItem(fullscreenCommand)->checked);

    EXPECT_TRUE(menu.checkRadioItem(fullscreenCommand, windowCommand, fullscreenCommand));
    EXPECT_TRUE(menu.findItem(fullscreenCommand)->checked);
    EXPECT_FALSE(menu.findItem(windowCommand)->checked);
    EXPECT_FALSE(menu.findItem(exitCommand)->checked);

    // a command outside the range or without an item changes nothing
    EXPECT_FALSE(menu.checkRadioItem(fullscreenCommand, windowCommand, exitCommand));
    EXPECT_FALSE(menu.checkRadioItem(fullscreenCommand, windowCommand, toggleDisplayCommand));
    EXPECT_TRUE(menu.findItem(fullscreenCommand)->checked);
}

TEST(MenuBar, EnablingFindsItemsByCommand)
{
    MenuBar menu = MenuBar::createMainMenu();
    EXPECT_TRUE(menu.enableItem(windowCommand, true));
    EXPECT_TRUE(menu.findItem(windowCommand)->enabled);
    EXPECT_TRUE(menu.enableItem(exitCommand, false));
    EXPECT_FALSE(menu.findItem(exitCommand)->enabled);
    EXPECT_FALSE(menu.enableItem(12345, false));
}
