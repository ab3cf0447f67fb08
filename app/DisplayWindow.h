#pragma once

namespace vantrel {

// What the display handler changes in the shell's window.
class IDisplayWindow {
public:
    virtual ~IDisplayWindow() = default;

    // A message box with a string-table text and the shell's caption.
    void showMessage(int stringId) { showMessageImpl(stringId); }
    // Full screen: the frame fills the window and the menu bar lies over it when shown.
    // Windowed: the menu bar above a 1366 x 768 frame, the window at the screen's origin.
    void setFullscreenLayout(bool fullscreen) { setFullscreenLayoutImpl(fullscreen); }
    // Whether the menu bar is shown.
    void setMenuAttached(bool attached) { setMenuAttachedImpl(attached); }
    void minimise() { minimiseImpl(); }

protected:
    virtual void showMessageImpl(int stringId) = 0;
    virtual void setFullscreenLayoutImpl(bool fullscreen) = 0;
    virtual void setMenuAttachedImpl(bool attached) = 0;
    virtual void minimiseImpl() = 0;
};

} // namespace vantrel
