#include <vantrel/sprite/SpriteBase.h>

#include <utility>

#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

namespace vantrel {

SpriteBase::SpriteBase(std::weak_ptr<SpriteManager> manager, std::weak_ptr<ScreenDrawer> drawer,
                       std::uint32_t id, std::int32_t zOrder)
    : manager(std::move(manager)), drawer(std::move(drawer)), id(id), zOrder(zOrder)
{
}

void SpriteBase::requestSortImpl()
{
    if (auto owner = manager.lock()) {
        owner->needsSort = true;
    }
}

DrawCommand SpriteBase::makeCommand(DrawCommandKind kind, const Rect& bounds) const noexcept
{
    DrawCommand command;
    command.kind = kind;
    command.blendMode = blendMode;
    command.opacity = opacity;
    command.bounds = bounds;
    return command;
}

void SpriteBase::invalidateArea(const Rect& area) const
{
    if (auto target = drawer.lock()) {
        target->invalidate(area);
    }
}

} // namespace vantrel
