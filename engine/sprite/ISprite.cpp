#include <vantrel/sprite/ISprite.h>

namespace vantrel {

void ISprite::setPosition(std::int32_t x, std::int32_t y)
{
    if (x == getX() && y == getY()) {
        return;
    }
    bool drawn = isDrawn();
    if (drawn) {
        invalidate();
    }
    setPositionImpl(x, y);
    if (drawn) {
        invalidate();
    }
}

void ISprite::setZOrder(std::int32_t z)
{
    if (z == getZOrder()) {
        return;
    }
    setZOrderImpl(z);
    requestSortImpl();
    if (isDrawn()) {
        invalidate();
    }
}

void ISprite::show()
{
    if (!isVisible() && getOpacity() != 0) {
        invalidate();
    }
    showImpl();
}

void ISprite::hide()
{
    if (isDrawn()) {
        invalidate();
    }
    hideImpl();
}

void ISprite::setBlendMode(BlendMode mode)
{
    if (mode == getBlendMode()) {
        return;
    }
    if (isDrawn()) {
        invalidate();
    }
    setBlendModeImpl(mode);
}

void ISprite::setOpacity(std::uint8_t opacity)
{
    if (opacity == getOpacity()) {
        return;
    }
    // A visible sprite changes the picture even when it was fully transparent before.
    if (isVisible()) {
        invalidate();
    }
    setOpacityImpl(opacity);
}

} // namespace vantrel
