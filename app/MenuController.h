#pragma once

#include "app/MenuLayout.h"
#include "app/MenuModel.h"

namespace vantrel {

enum class MenuKey { Up, Down, Left, Right, Enter, Escape };

// Which popup is open and which of its items is highlighted, driven by keys and the
// pointer. Operations that choose an item return its command, 0 when nothing was chosen;
// greyed items are never chosen.
class MenuController {
public:
    static constexpr int none = -1;

    explicit MenuController(const MenuBar& menu) : menu(menu) {}

    bool isOpen() const noexcept { return openPopup != none; }
    int getOpenPopup() const noexcept { return openPopup; }
    int getHighlighted() const noexcept { return highlighted; }

    void open(int popup, bool highlightFirst);
    void close() noexcept;

    // Alt+letter: opens the popup whose mnemonic it is; false when none has it.
    bool openByMnemonic(char32_t code);

    // Keys while a popup is open.
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

    const MenuBar& menu;
    int openPopup = none;
    int highlighted = none;
};

} // namespace vantrel
