#include "app/MenuModel.h"

#include "app/CommandIds.h"
#include "app/Utf8.h"

namespace vantrel {

char32_t foldMnemonic(char32_t code) noexcept
{
    if (code >= U'a' && code <= U'z') {
        return code - U'a' + U'A';
    }
    return code;
}

MenuLabel parseMenuLabel(std::string_view utf8)
{
    std::u32string source = decodeUtf8(utf8);
    MenuLabel label;
    std::size_t tab = source.find(U'\t');
    if (tab != std::u32string::npos) {
        label.accelerator = source.substr(tab + 1);
        source.resize(tab);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        char32_t code = source[i];
        if (code != U'&') {
            label.text.push_back(code);
            continue;
        }
        if (i + 1 == source.size()) {
            break; // a trailing '&' marks nothing
        }
        char32_t next = source[++i];
        if (next != U'&' && label.mnemonicIndex == MenuLabel::noMnemonic) {
            label.mnemonicIndex = label.text.size();
            label.mnemonic = foldMnemonic(next);
        }
        label.text.push_back(next);
    }
    return label;
}

MenuBar MenuBar::createMainMenu()
{
    return createMainMenu(MenuTexts{});
}

MenuBar MenuBar::createMainMenu(const MenuTexts& texts)
{
    MenuBar menu;
    menu.addPopup(texts.file);
    menu.addItem(texts.exit, exitCommand);
    menu.addPopup(texts.view);
    menu.addItem(texts.fullscreen, fullscreenCommand);
    menu.addItem(texts.window, windowCommand, false);
    return menu;
}

void MenuBar::addPopup(std::string_view label)
{
    popups.push_back(MenuPopup{parseMenuLabel(label), {}});
}

void MenuBar::addItem(std::string_view label, int command, bool enabled)
{
    if (popups.empty()) {
        addPopup("");
    }
    popups.back().items.push_back(MenuItem{parseMenuLabel(label), command, enabled, false});
}

bool MenuBar::enableItem(int command, bool enabled)
{
    MenuItem* item = findMutableItem(command);
    if (item == nullptr) {
        return false;
    }
    item->enabled = enabled;
    return true;
}

bool MenuBar::checkRadioItem(int first, int last, int checked)
{
    if (checked < first || checked > last || findItem(checked) == nullptr) {
        return false;
    }
    for (MenuPopup& popup : popups) {
        for (MenuItem& item : popup.items) {
            if (item.command >= first && item.command <= last) {
                item.checked = item.command == checked;
            }
        }
    }
    return true;
}

const MenuItem* MenuBar::findItem(int command) const
{
    for (const MenuPopup& popup : popups) {
        for (const MenuItem& item : popup.items) {
            if (item.command == command) {
                return &item;
            }
        }
    }
    return nullptr;
}

MenuItem* MenuBar::findMutableItem(int command)
{
    return const_cast<MenuItem*>(static_cast<const MenuBar&>(*this).findItem(command));
}

} // namespace vantrel
