#pragma once

/// @file
/// The scene interface: what a window shows and how it answers the window.

/// A scene shown in a window (see vantrel::runWindow): it owns its vantrel::Screen and
/// draws through the present target the window host hands it. Called on the window's
/// thread.
class IScene {
public:
    virtual ~IScene() = default;
    /// The window needs repainting: the whole of both layers is redrawn with the next frame.
    virtual void paint() = 0;
    /// The left mouse button went down at client (x, y) of the frame.
    virtual void click(int x, int y) = 0;
};
