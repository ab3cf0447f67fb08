#include "engine/sprite/FillRectSprite.h"

#include "engine/sprite/ScreenDrawer.h"
#include "engine/sprite/SpriteManager.h"

namespace vantrel {

FillRectSprite::FillRectSprite(std::weak_ptr<SpriteManager> manager,
                               std::weak_ptr<ScreenDrawer> drawer, std::uint32_t id,
                               const Rect& rect, std::int32_t zOrder, Color color)
    : manager(std::move(manager)), drawer(std::move(drawer)), id(id), rect(rect), zOrder(zOrder),
      color(color)
{
}

void FillRectSprite::setPositionImpl(std::int32_t x, std::int32_t y)
{
    rect = rect.offsetBy(x - rect.left, y - rect.top);
}

void FillRectSprite::drawImpl(DrawCommands& commands, DrawResources&)
{
    if (!visible || opacity == 0) {
        return;
    }
    DrawCommand command;
    command.kind = DrawCommandKind::Fill;
    command.blendMode = blendMode;
    command.opacity = opacity;
    command.bounds = rect;
    command.color = color;
    commands.push_back(command);
}

void FillRectSprite::invalidateImpl()
{
    if (auto target = drawer.lock()) {
        target->invalidate(rect);
    }
}

void FillRectSprite::requestSortImpl()
{
    if (auto owner = manager.lock()) {
        owner->needsSort = true;
    }
}

} // namespace vantrel
