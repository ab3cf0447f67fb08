#include <vantrel/sprite/SpriteManager.h>

#include <algorithm>

namespace vantrel {

void SpriteManager::add(std::shared_ptr<ISprite> sprite)
{
    std::uint32_t id = sprite->getId();
    entries.push_back(Entry{id, std::move(sprite)});
    needsSort = true;
}

std::shared_ptr<ISprite> SpriteManager::find(std::uint32_t id) const
{
    for (const Entry& entry : entries) {
        if (entry.id == id) {
            return entry.sprite;
        }
    }
    return nullptr;
}

void SpriteManager::remove(std::uint32_t id)
{
    for (Entry& entry : entries) {
        if (entry.id == id && entry.sprite->isVisible()) {
            entry.sprite->hide();
        }
    }
    std::erase_if(entries, [id](const Entry& entry) { return entry.id == id; });
}

void SpriteManager::sort()
{
    // Stable, so sprites of equal z-order keep the order they were added in on every frame
    // and a picture never depends on which frame drew which part of it.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.sprite->getZOrder() < b.sprite->getZOrder();
    });
    needsSort = false;
}

} // namespace vantrel
