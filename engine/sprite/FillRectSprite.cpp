#include <vantrel/sprite/FillRectSprite.h>

#include <utility>

namespace vantrel {

FillRectSprite::FillRectSprite(std::weak_ptr<SpriteManager> manager,
                               std::weak_ptr<ScreenDrawer> drawer, std::uint32_t id,
                               const Rect& rect, std::int32_t zOrder, Color color)
    : SpriteBase(std::move(manager), std::move(drawer), id, zOrder), rect(rect), color(color)
{
}

void FillRectSprite::setPositionImpl(std::int32_t x, std::int32_t y)
{
    rect = rect.offsetBy(x - rect.left, y - rect.top);
}

void FillRectSprite::drawImpl(DrawCommands& commands, DrawResources&)
{
    if (!appears()) {
        return;
    }
    DrawCommand command = makeCommand(DrawCommandKind::Fill, rect);
    command.color = color;
    commands.push_back(command);
}

} // namespace vantrel
