#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <vantrel/image/Image.h>
#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/shell/PointerSource.h>

// A pointer that stays where the test puts it.
class FixedPointer : public vantrel::IPointerSource {
public:
    explicit FixedPointer(vantrel::Point at) : position(at) {}
    vantrel::Point position;

protected:
    vantrel::Point getPositionImpl() override { return position; }
};

// A Screen that is only ever stepped by hand (no threads).
inline std::unique_ptr<vantrel::Screen> makeTestScreen(std::uint32_t width, std::uint32_t height)
{
    return std::make_unique<vantrel::Screen>(std::make_shared<vantrel::MemoryPresentTarget>(width, height),
                                             width, height, 1);
}

// A cleared picture of the given size.
inline std::shared_ptr<vantrel::Image> makePicture(std::uint32_t width, std::uint32_t height,
                                                   vantrel::PixelFormat format = vantrel::PixelFormat::Bgra32)
{
    auto image = std::make_shared<vantrel::Image>(width, height, format);
    std::memset(image->getPixels(), 0, std::size_t{image->getPitch()} * height);
    return image;
}

// The sprites of one kind on a layer, in list order; `id` ~0u takes every id.
template <class Sprite = vantrel::ISprite>
std::vector<std::shared_ptr<Sprite>> spritesOf(vantrel::Screen& screen, std::uint8_t layer, std::uint32_t id = ~0u)
{
    std::vector<std::shared_ptr<Sprite>> found;
    for (const auto& entry : screen.getSprites(layer).entries) {
        if (auto sprite = std::dynamic_pointer_cast<Sprite>(entry.sprite); sprite && (id == ~0u || entry.id == id)) {
            found.push_back(sprite);
        }
    }
    return found;
}
