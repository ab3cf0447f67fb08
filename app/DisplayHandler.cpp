#include "app/DisplayHandler.h"

#include <exception>

#include "app/CommandIds.h"
#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr std::int32_t preferredWidth = 1366;
constexpr std::int32_t fallbackWidth = 1360;
constexpr std::int32_t requiredHeight = 768;

} // namespace

bool DisplayHandler::onCreate(std::int32_t screenWidth, std::int32_t screenHeight)
{
    try {
        if ((screenWidth == preferredWidth || screenWidth == fallbackWidth) &&
            screenHeight == requiredHeight) {
            fullscreenAllowed = false;
            applyFullscreenMode();
            menu.enableItem(fullscreenCommand, false);
            menu.enableItem(windowCommand, false);
            menu.checkRadioItem(fullscreenCommand, windowCommand, fullscreenCommand);
            detachMenu();
            window.setFullscreenLayout(true);
            return true;
        }
        if (screenWidth >= preferredWidth && screenHeight >= requiredHeight) {
            menu.checkRadioItem(fullscreenCommand, windowCommand, windowCommand);
            return true;
        }
        fullscreenAllowed = false;
        window.showMessage(displayTooSmallString);
        return false;
    } catch (const DisplayException&) {
        window.showMessage(displayChangeFailedString);
        return true;
    }
}

void DisplayHandler::onCommand(int command)
{
    try {
        bool toggle = command == toggleDisplayCommand;
        if (command == fullscreenCommand || (toggle && !display.isFullscreen())) {
            enterFullscreen();
        } else if (command == windowCommand || (toggle && display.isFullscreen())) {
            leaveFullscreen();
        }
    } catch (const DisplayException&) {
        window.showMessage(displayChangeFailedString);
    }
}

void DisplayHandler::enterFullscreen()
{
    if (!fullscreenAllowed || display.isFullscreen()) {
        return;
    }
    applyFullscreenMode();
    menu.enableItem(windowCommand, true);
    menu.enableItem(fullscreenCommand, false);
    menu.checkRadioItem(fullscreenCommand, windowCommand, fullscreenCommand);
    detachMenu();
    window.setFullscreenLayout(true);
}

void DisplayHandler::leaveFullscreen()
{
    if (!fullscreenAllowed || !display.isFullscreen()) {
        return;
    }
    display.setWindowed();
    attachMenu();
    menu.enableItem(windowCommand, false);
    menu.enableItem(fullscreenCommand, true);
    menu.checkRadioItem(fullscreenCommand, windowCommand, windowCommand);
    window.setFullscreenLayout(false);
}

void DisplayHandler::applyFullscreenMode()
{
    try {
        display.setFullscreen(preferredWidth);
    } catch (const std::exception&) {
        display.setFullscreen(fallbackWidth);
    }
}

void DisplayHandler::onFocusLost()
{
    try {
        display.suspend();
        if (display.isFullscreen()) {
            window.minimise();
        }
    } catch (const DisplayException&) {
        window.showMessage(displayChangeFailedString);
    }
}

void DisplayHandler::onFocusGained()
{
    try {
        display.resume();
    } catch (const DisplayException&) {
        window.showMessage(displayChangeFailedString);
    }
}

void DisplayHandler::onPointerMoved(std::int32_t y)
{
    if (!display.isFullscreen()) {
        return;
    }
    if (y >= menuRevealRows) {
        detachMenu();
    } else {
        attachMenu();
    }
}

void DisplayHandler::onDestroy()
{
    attachMenu();
}

void DisplayHandler::detachMenu()
{
    if (!menuDetached) {
        menuDetached = true;
        window.setMenuAttached(false);
    }
}

void DisplayHandler::attachMenu()
{
    if (menuDetached) {
        menuDetached = false;
        window.setMenuAttached(true);
    }
}

} // namespace vantrel
