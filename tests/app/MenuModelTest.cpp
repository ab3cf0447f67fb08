#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MenuModel.h"

using namespace vantrel;

TEST(MenuLabel, SplitsMnemonicAndAccelerator)
{
    struct Case {
        const char* utf8;
        std::u32string text, accelerator;
        std::size_t mnemonicIndex;
        char32_t mnemonic;
    };
    const Case cases[] = {
        {"終了(&X)\tCtrl+Q", U"終了(X)", U"Ctrl+Q", 3, U'X'},
        {"ファイル(&F)", U"ファイル(F)", U"", 5, U'F'},
        {"A&&B &c", U"A&B c", U"", 4, U'C'}, // doubled mark, lower case
        {"Save&", U"Save", U"", MenuLabel::noMnemonic, 0},
        {"&a&b", U"ab", U"", 0, U'A'}, // the first mark wins
        {"\tAlt+Enter", U"", U"Alt+Enter", MenuLabel::noMnemonic, 0},
    };
    for (const Case& c : cases) {
        MenuLabel label = parseMenuLabel(c.utf8);
        EXPECT_EQ(label.text, c.text) << c.utf8;
        EXPECT_EQ(label.accelerator, c.accelerator) << c.utf8;
        EXPECT_EQ(label.mnemonicIndex, c.mnemonicIndex) << c.utf8;
        EXPECT_EQ(label.mnemonic, c.mnemonic) << c.utf8;
    }
}

TEST(MenuBar, MainMenuTextsAndTheRadioMarkWithinItsRange)
{
    MenuBar menu = MenuBar::createMainMenu();
    std::u32string texts;
    for (const MenuPopup& popup : menu.getPopups()) {
        texts += popup.label.text + U":";
        for (const MenuItem& item : popup.items) {
            texts += U" " + item.label.text + U"|" + item.label.accelerator;
        }
        texts += U";";
    }
    EXPECT_EQ(texts, U"ファイル(F): 終了(X)|Ctrl+Q;"
                     U"表示(V): フルスクリーン(S)|Alt+Enter ウィンドウ(W)|Alt+Enter;");
    EXPECT_EQ(menu.findItem(toggleDisplayCommand), nullptr);
    // The Windows resource script's menu holds the same texts.
    const MenuTexts defaults;
    EXPECT_EQ(defaults.file + defaults.exit + defaults.view + defaults.fullscreen + defaults.window,
              VANTREL_FILE_MENU_TEXT VANTREL_EXIT_ITEM_TEXT VANTREL_VIEW_MENU_TEXT
              VANTREL_FULLSCREEN_ITEM_TEXT VANTREL_WINDOW_ITEM_TEXT);

    // (the display handler's tests follow the marks and the enabled items within the range)
    // a command outside the range or without an item changes nothing
    EXPECT_TRUE(menu.checkRadioItem(fullscreenCommand, windowCommand, fullscreenCommand));
    EXPECT_FALSE(menu.checkRadioItem(fullscreenCommand, windowCommand, exitCommand));
    EXPECT_FALSE(menu.checkRadioItem(fullscreenCommand, windowCommand, toggleDisplayCommand));
    EXPECT_TRUE(menu.findItem(fullscreenCommand)->checked);
    EXPECT_FALSE(menu.findItem(exitCommand)->checked);
}
