#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <vantrel/shell/MenuTexts.h>

namespace vantrel {

// A menu text split for display: "終了(&X)\tCtrl+Q" shows "終了(X)" with the X underlined
// and "Ctrl+Q" right-aligned. "&&" stands for a literal '&'.
struct MenuLabel {
    static constexpr std::size_t noMnemonic = static_cast<std::size_t>(-1);

    std::u32string text;
    std::u32string accelerator;
    std::size_t mnemonicIndex = noMnemonic; // into text
    char32_t mnemonic = 0;                  // upper case for ASCII letters
};

MenuLabel parseMenuLabel(std::string_view utf8);

// Upper case for ASCII letters, anything else unchanged.
char32_t foldMnemonic(char32_t code) noexcept;

struct MenuItem {
    MenuLabel label;
    int command = 0;
    bool enabled = true;
    bool checked = false; // radio mark
};

struct MenuPopup {
    MenuLabel label;
    std::vector<MenuItem> items;
};

// The window's menu: popups on a bar, items in the popups.
class MenuBar {
public:
    // File with Exit; View with Fullscreen and Window (greyed).
    static MenuBar createMainMenu();
    // The same menu with the caller's texts.
    static MenuBar createMainMenu(const MenuTexts& texts);

    void addPopup(std::string_view label);
    // Appends to the last popup.
    void addItem(std::string_view label, int command, bool enabled = true);

    // Each returns false when no item carries the command.
    bool enableItem(int command, bool enabled);
    // Marks `checked` and clears the mark of the other items whose commands lie in
    // [first, last], like a group of radio buttons.
    bool checkRadioItem(int first, int last, int checked);

    const MenuItem* findItem(int command) const;
    const std::vector<MenuPopup>& getPopups() const noexcept { return popups; }

private:
    MenuItem* findMutableItem(int command);

    std::vector<MenuPopup> popups;
};

} // namespace vantrel
