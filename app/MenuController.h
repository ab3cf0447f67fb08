#pragma once

#include "app/MenuLayout.h"
#include "app/MenuModel.h"

namespace vantrel {

enum class MenuKey { Up, Down, Left, Right, Enter, Escape };

// Which popup is open and which of its items is highlighted, or which bar item is selected
// while no popup is open (keyboard menu mode: Alt or F10, or Esc out of a popup), driven by
// keys and the pointer. Operations that choose an item return its command, 0 when nothing
// was chosen; greyed items are never chosen.
class MenuController {
public:
    static constexpr int none = -1;

    explicit MenuController(const MenuBar& menu) : menu(menu) {}

    bool isOpen() const noexcept { return openPopup != none; }
    // A popup is open or a bar item is selected: keys go to the menu.
    bool isActive() const noexcept { return openPopup != none || selectedBarItem != none; }
    int getOpenPopup() const noexcept { return openPopup; }
    // The bar item drawn highlighted: the open popup's, or the selected one.
    int getHighlightedBarItem() const noexcept { return openPopup != none ? openPopup : selectedBarItem; }
    int getHighlighted() const noexcept { return highlighted; }

    void open(int popup, bool highlightFirst);
    void close() noexcept;

    // Alt+letter: opens the popup whose mnemonic it is; false when none has it.
    bool openByMnemonic(char32_t code);

    // Alt tapped alone or F10: selects the first bar item, or leaves the menu when it is active.
    void toggleBar();

    // Keys while the menu is active.
    int key(MenuKey key);
    int character(char32_t code);

    void pointerMoved(const MenuHit& hit);
    // A press outside the menu closes the open popup. True when the menu takes the press.
    bool pointerPressed(const MenuHit& hit);
    int pointerReleased(const MenuHit& hit);

private:
    int popupCount() const noexcept;
    int itemCount() const noexcept;
    int choose(int item);
    int barKey(MenuKey key);

    const MenuBar& menu;
    int openPopup = none;
    int highlighted = none;
    int selectedBarItem = none;
};

} // namespace vantrel
