#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/sprite/ISprite.h>

namespace vantrel {

// The sprites of one layer, kept in drawing order (ascending z-order) by the drawer's sort.
class SpriteManager {
public:
    struct Entry {
        std::uint32_t id;
        std::shared_ptr<ISprite> sprite;
    };

    virtual ~SpriteManager() = default;

    void add(std::shared_ptr<ISprite> sprite);
    std::shared_ptr<ISprite> find(std::uint32_t id) const;
    // Hides every visible sprite of that id (redrawing its area), then erases them all.
    void remove(std::uint32_t id);
    // Orders the entries by ascending z-order, ties in insertion order; clears needsSort.
    void sort();

    bool needsSort = false;
    std::vector<Entry> entries; // open to the scene, which erases with its own criteria
};

} // namespace vantrel
