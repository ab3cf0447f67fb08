#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/sprite/ISprite.h>

namespace vantrel {

/// The sprites of one layer, kept in drawing order (ascending z-order) by the drawer's sort.
class SpriteManager {
public:
    /// A sprite and its id.
    struct Entry {
        std::uint32_t id; ///< the sprite's id
        std::shared_ptr<ISprite> sprite; ///< the sprite
    };

    virtual ~SpriteManager() = default;

    /// Adds a sprite at the end and asks for a sort.
    void add(std::shared_ptr<ISprite> sprite);
    /// The first sprite of that id, or an empty pointer.
    std::shared_ptr<ISprite> find(std::uint32_t id) const;
    /// Hides every visible sprite of that id (redrawing its area), then erases them all.
    void remove(std::uint32_t id);
    /// Orders the entries by ascending z-order, ties in insertion order; clears needsSort.
    void sort();

    bool needsSort = false; ///< set by z-order changes; the drawer sorts before the next frame
    std::vector<Entry> entries; ///< open to the scene, which erases with its own criteria
};

} // namespace vantrel
