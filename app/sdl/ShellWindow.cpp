#include "app/sdl/ShellWindow.h"

#include <utility>

#include "app/CommandIds.h"
#include "app/sdl/MessageBox.h"
#include "app/x11/X11Window.h"
#include <vantrel/image/PixelFormat.h>
#include <vantrel/screen/sdl/SurfaceCopy.h>

namespace vantrel {

ShellWindow::ShellWindow(SDL_Window* window, std::shared_ptr<SdlWindowPresentTarget> target,
                         const MenuBar& menu, const MenuController& controller,
                         MenuPainter& painter, int frameWidth, int frameHeight)
    : window(window),
      frameWidth(frameWidth),
      frameHeight(frameHeight),
      target(std::move(target)),
      menu(menu),
      controller(controller),
      painter(painter),
      layout(layoutMenu(menu, [&painter](const std::u32string& text) { return painter.measure(text); },
                        frameWidth)),
      barImage(static_cast<std::uint32_t>(frameWidth), MenuLayout::barHeight, PixelFormat::Bgrx32)
{
    paintMenu();
}

int ShellWindow::windowedHeight(int frameHeight) noexcept
{
    return MenuLayout::barHeight + frameHeight;
}

Point ShellWindow::getFrameOrigin() const noexcept
{
    return Point{0, fullscreen ? 0 : MenuLayout::barHeight};
}

Rect ShellWindow::getFrameArea() const noexcept
{
    Point origin = getFrameOrigin();
    return Rect{0, 0, frameWidth, frameHeight}.offsetBy(origin.x, origin.y);
}

MenuHit ShellWindow::hitTest(Point point) const
{
    MenuHit hit = hitTestMenu(layout, controller.getOpenPopup(), point);
    if (!isMenuShown() && hit.kind != MenuHit::Kind::PopupItem &&
        hit.kind != MenuHit::Kind::PopupFrame) {
        return MenuHit{};
    }
    return hit;
}

Rect ShellWindow::openPopupFrame() const
{
    int open = controller.getOpenPopup();
    if (open < 0 || open >= static_cast<int>(layout.popups.size())) {
        return Rect{};
    }
    return layout.popups[static_cast<std::size_t>(open)].frame;
}

void ShellWindow::paintMenu()
{
    painter.paintBar(barImage, menu, layout, controller.getHighlightedBarItem());
    Rect frame = openPopupFrame();
    shownPopup = frame;
    if (frame.isEmpty()) {
        popupImage.reset();
        return;
    }
    auto open = static_cast<std::size_t>(controller.getOpenPopup());
    popupImage = std::make_unique<Image>(static_cast<std::uint32_t>(frame.width()),
                                         static_cast<std::uint32_t>(frame.height()),
                                         PixelFormat::Bgrx32);
    painter.paintPopup(*popupImage, menu.getPopups()[open], layout.popups[open],
                       controller.getHighlighted());
}

void ShellWindow::overlayMenu(SDL_Surface* surface, const Rect& area)
{
    if (isMenuShown()) {
        Rect bar = intersect(area, layout.bar);
        if (!bar.isEmpty()) {
            copyToSurface(barImage, bar, surface, Point{bar.left, bar.top});
        }
    }
    if (popupImage) {
        Rect popup = intersect(area, shownPopup);
        if (!popup.isEmpty()) {
            copyToSurface(*popupImage, popup.offsetBy(-shownPopup.left, -shownPopup.top), surface,
                          Point{popup.left, popup.top});
        }
    }
}

void ShellWindow::compose(const Rect& area)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        return;
    }
    Point origin = getFrameOrigin();
    Rect frame = intersect(area, getFrameArea());
    if (!frame.isEmpty()) {
        target->copy(surface, origin, frame.offsetBy(-origin.x, -origin.y));
    }
    overlayMenu(surface, area);
}

void ShellWindow::update(const Rect& area)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        return;
    }
    Rect clipped = intersect(area, Rect{0, 0, surface->w, surface->h});
    if (clipped.isEmpty()) {
        return;
    }
    SDL_Rect rect{clipped.left, clipped.top, clipped.width(), clipped.height()};
    SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

void ShellWindow::presentPending()
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        return;
    }
    Rect written = target->flush(surface, getFrameOrigin());
    if (written.isEmpty()) {
        return;
    }
    overlayMenu(surface, written);
    update(written);
}

void ShellWindow::repaint()
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        return;
    }
    Rect all{0, 0, surface->w, surface->h};
    compose(all);
    update(all);
}

void ShellWindow::menuChanged()
{
    Rect before = shownPopup;
    paintMenu();
    Rect area = unite(unite(before, shownPopup), layout.bar);
    compose(area);
    update(area);
}

void ShellWindow::showMessageImpl(int stringId)
{
    vantrel::showMessage(window, stringId, messageBackground);
}

void ShellWindow::setFullscreenLayoutImpl(bool newFullscreen)
{
    fullscreen = newFullscreen;
    if (!fullscreen) {
        SDL_SetWindowSize(window, frameWidth, windowedHeight(frameHeight));
        SDL_SetWindowPosition(window, 0, 0);
        removeMaximiseButton(window);
    }
    repaint();
}

void ShellWindow::setMenuAttachedImpl(bool attached)
{
    menuAttached = attached;
    compose(layout.bar);
    update(layout.bar);
}

void ShellWindow::minimiseImpl()
{
    SDL_MinimizeWindow(window);
}

} // namespace vantrel
