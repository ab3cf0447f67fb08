#pragma once

// The one scene the application shows.
class IScene {
public:
    virtual ~IScene() = default;
    // The window needs repainting: the whole of both layers is redrawn with the next frame.
    virtual void paint() = 0;
    // The left mouse button went down at client (x, y).
    virtual void click(int x, int y) = 0;
};
