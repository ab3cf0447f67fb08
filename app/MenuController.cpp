#include "app/MenuController.h"

namespace vantrel {

int MenuController::popupCount() const noexcept
{
    return static_cast<int>(menu.getPopups().size());
}

int MenuController::itemCount() const noexcept
{
    if (openPopup == none) {
        return 0;
    }
    return static_cast<int>(menu.getPopups()[static_cast<std::size_t>(openPopup)].items.size());
}

void MenuController::open(int popup, bool highlightFirst)
{
    if (popup < 0 || popup >= popupCount()) {
        close();
        return;
    }
    openPopup = popup;
    selectedBarItem = none;
    highlighted = highlightFirst && itemCount() > 0 ? 0 : none;
}

void MenuController::close() noexcept
{
    openPopup = none;
    highlighted = none;
    selectedBarItem = none;
}

void MenuController::toggleBar()
{
    if (isActive() || popupCount() == 0) {
        close();
        return;
    }
    selectedBarItem = 0;
}

int MenuController::barKey(MenuKey key)
{
    switch (key) {
    case MenuKey::Left:
        selectedBarItem = (selectedBarItem + popupCount() - 1) % popupCount();
        return 0;
    case MenuKey::Right:
        selectedBarItem = (selectedBarItem + 1) % popupCount();
        return 0;
    case MenuKey::Up:
    case MenuKey::Down:
    case MenuKey::Enter:
        open(selectedBarItem, true);
        return 0;
    case MenuKey::Escape:
        close();
        return 0;
    }
    return 0;
}

bool MenuController::openByMnemonic(char32_t code)
{
    char32_t folded = foldMnemonic(code);
    const auto& popups = menu.getPopups();
    for (std::size_t i = 0; i < popups.size(); ++i) {
        if (popups[i].label.mnemonic != 0 && popups[i].label.mnemonic == folded) {
            open(static_cast<int>(i), true);
            return true;
        }
    }
    return false;
}

int MenuController::key(MenuKey key)
{
    if (!isOpen()) {
        return selectedBarItem != none ? barKey(key) : 0;
    }
    int count = itemCount();
    switch (key) {
    case MenuKey::Up:
        if (count > 0) {
            highlighted = highlighted <= 0 ? count - 1 : highlighted - 1;
        }
        return 0;
    case MenuKey::Down:
        if (count > 0) {
            highlighted = highlighted == none || highlighted + 1 >= count ? 0 : highlighted + 1;
        }
        return 0;
    case MenuKey::Left:
        open((openPopup + popupCount() - 1) % popupCount(), true);
        return 0;
    case MenuKey::Right:
        open((openPopup + 1) % popupCount(), true);
        return 0;
    case MenuKey::Enter:
        return choose(highlighted);
    case MenuKey::Escape: {
        // the popup closes; the bar stays selected for a second Esc
        int popup = openPopup;
        close();
        selectedBarItem = popup;
        return 0;
    }
    }
    return 0;
}

int MenuController::character(char32_t code)
{
    if (!isOpen()) {
        if (selectedBarItem != none) {
            openByMnemonic(code);
        }
        return 0;
    }
    char32_t folded = foldMnemonic(code);
    const auto& items = menu.getPopups()[static_cast<std::size_t>(openPopup)].items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].label.mnemonic != 0 && items[i].label.mnemonic == folded) {
            highlighted = static_cast<int>(i);
            return choose(highlighted);
        }
    }
    return 0;
}

void MenuController::pointerMoved(const MenuHit& hit)
{
    if (!isOpen()) {
        return;
    }
    switch (hit.kind) {
    case MenuHit::Kind::BarItem:
        if (hit.index != openPopup) {
            open(hit.index, false);
        }
        return;
    case MenuHit::Kind::PopupItem:
        highlighted = hit.index;
        return;
    default:
        highlighted = none;
        return;
    }
}

bool MenuController::pointerPressed(const MenuHit& hit)
{
    switch (hit.kind) {
    case MenuHit::Kind::BarItem:
        if (hit.index == openPopup) {
            close();
        } else {
            open(hit.index, false);
        }
        return true;
    case MenuHit::Kind::PopupItem:
    case MenuHit::Kind::PopupFrame:
        return true;
    case MenuHit::Kind::Bar:
        close();
        return true;
    case MenuHit::Kind::None:
        break;
    }
    if (isOpen()) {
        close();
        return true;
    }
    close(); // a selected bar item: the press leaves the menu and goes on to the window
    return false;
}

int MenuController::pointerReleased(const MenuHit& hit)
{
    if (!isOpen() || hit.kind != MenuHit::Kind::PopupItem) {
        return 0;
    }
    highlighted = hit.index;
    return choose(highlighted);
}

int MenuController::choose(int item)
{
    if (item < 0 || item >= itemCount()) {
        return 0;
    }
    const MenuItem& chosen =
        menu.getPopups()[static_cast<std::size_t>(openPopup)].items[static_cast<std::size_t>(item)];
    if (!chosen.enabled) {
        return 0;
    }
    close();
    return chosen.command;
}

} // namespace vantrel
