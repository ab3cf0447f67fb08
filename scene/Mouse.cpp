#include "scene/Mouse.h"

#include <utility>

namespace vantrel {

Mouse::Mouse(std::shared_ptr<IPointerSource> pointer) : pointer(std::move(pointer))
{
    update();
}

void Mouse::update()
{
    if (pointer) {
        position = pointer->getPosition();
    }
}

} // namespace vantrel
