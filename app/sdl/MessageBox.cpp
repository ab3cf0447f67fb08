#include "app/sdl/MessageBox.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/CommandIds.h"
#include "app/GlyphRun.h"
#include "app/MessageBoxLayout.h"
#include "app/MessageBoxPainter.h"
#include "app/StringTable.h"
#include "app/Utf8.h"
#include "app/x11/X11Window.h"
#include <vantrel/image/Image.h>
#include <vantrel/image/PixelFormat.h>
#include <vantrel/screen/sdl/SurfaceCopy.h>
#include <vantrel/text/Font.h>

namespace vantrel {

namespace {

const char* const faceName = "ＭＳ Ｐゴシック";
constexpr std::int32_t fontHeight = -12; // 9 points at 96 dots per inch

class MessageBoxWindow {
public:
    MessageBoxWindow(SDL_Window* owner, const char* caption, const char* text) : owner(owner)
    {
        try {
            font = std::make_unique<Font>(faceName, 0, fontHeight, false, false);
        } catch (const std::exception&) {
            font.reset(); // the box still shows, with blank texts
        }
        std::int32_t lineHeight = font ? font->getMetrics().height + 2 : 16;
        layout = layoutMessageBox(
            decodeUtf8(text),
            [this](const std::u32string& line) { return runAdvance(glyphRun(font.get(), line, 8)); },
            lineHeight);
        image = std::make_unique<Image>(static_cast<std::uint32_t>(layout.width),
                                        static_cast<std::uint32_t>(layout.height), PixelFormat::Bgrx32);

        int x = SDL_WINDOWPOS_CENTERED;
        int y = SDL_WINDOWPOS_CENTERED;
        if (owner != nullptr) {
            int ownerX = 0, ownerY = 0, ownerWidth = 0, ownerHeight = 0;
            SDL_GetWindowPosition(owner, &ownerX, &ownerY);
            SDL_GetWindowSize(owner, &ownerWidth, &ownerHeight);
            x = ownerX + (ownerWidth - layout.width) / 2;
            y = ownerY + (ownerHeight - layout.height) / 2;
        }
        window = SDL_CreateWindow(caption, x, y, layout.width, layout.height,
                                  SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR);
        if (window == nullptr) {
            return;
        }
        if (owner != nullptr) {
            SDL_SetWindowModalFor(window, owner);
        }
        setWindowMessageText(window, text);
        removeMaximiseButton(window);
        SDL_ShowWindow(window);
        SDL_RaiseWindow(window);
        SDL_SetWindowInputFocus(window);
        paint();
    }

    ~MessageBoxWindow()
    {
        if (window != nullptr) {
            SDL_DestroyWindow(window);
            // the owner takes the keyboard back, as it had it before the box
            if (owner != nullptr) {
                SDL_SetWindowInputFocus(owner);
            }
        }
    }

    MessageBoxWindow(const MessageBoxWindow&) = delete;
    MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

    bool isShown() const noexcept { return window != nullptr; }

    // Runs until OK is pressed.
    void run(const BackgroundEvents& background)
    {
        while (!done) {
            SDL_Event event;
            if (SDL_WaitEventTimeout(&event, 16) == 0) {
                done = background && !background(nullptr);
                continue;
            }
            if (!handle(event) && background && !background(&event)) {
                done = true;
            }
        }
    }

private:
    // True when the event was the box's.
    bool handle(const SDL_Event& event)
    {
        Uint32 id = SDL_GetWindowID(window);
        switch (event.type) {
        case SDL_KEYDOWN:
            // modal: keys pressed in any of the program's windows go to the box
            switch (event.key.keysym.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
            case SDLK_SPACE:
            case SDLK_ESCAPE:
                done = true;
                break;
            default:
                break;
            }
            return true;
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID != id) {
                return true; // the owner takes no clicks while the box is open
            }
            if (event.button.button == SDL_BUTTON_LEFT) {
                bool onButton = contains(event.button.x, event.button.y);
                if (event.type == SDL_MOUSEBUTTONDOWN) {
                    pressed = onButton;
                } else {
                    done = pressed && onButton;
                    pressed = false;
                }
                paint();
            }
            return true;
        case SDL_MOUSEMOTION:
            return event.motion.windowID == id;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != id) {
                return false;
            }
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                done = true;
            } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                       event.window.event == SDL_WINDOWEVENT_SHOWN) {
                paint();
            }
            return true;
        case SDL_QUIT:
            done = true; // the program is asked to end: the box goes, the owner hears it too
            return false;
        default:
            return false;
        }
    }

    bool contains(int x, int y) const noexcept
    {
        const Rect& button = layout.button;
        return x >= button.left && x < button.right && y >= button.top && y < button.bottom;
    }

    void paint()
    {
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        if (surface == nullptr) {
            return;
        }
        paintMessageBox(*image, layout, font.get(), pressed);
        copyToSurface(*image, Rect{0, 0, layout.width, layout.height}, surface, Point{});
        SDL_UpdateWindowSurface(window);
    }

    SDL_Window* owner;
    std::unique_ptr<Font> font;
    MessageBoxLayout layout;
    std::unique_ptr<Image> image;
    SDL_Window* window = nullptr;
    bool pressed = false;
    bool done = false;
};

void show(SDL_Window* owner, const char* caption, const char* text, const BackgroundEvents& background)
{
    if (owner != nullptr && (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN) == 0) {
        owner = nullptr;
    }
    MessageBoxWindow box(owner, caption, text);
    if (!box.isShown()) {
        // The user cannot see it: keep the text and the reason where a terminal can.
        std::fprintf(stderr, "%s: %s (no message box: %s)\n", caption, text, SDL_GetError());
        return;
    }
    box.run(background);
}

const char* orEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

} // namespace

void showMessage(SDL_Window* owner, int stringId, const BackgroundEvents& background)
{
    show(owner, orEmpty(loadString(captionString)), orEmpty(loadString(stringId)), background);
}

void showErrorMessage(SDL_Window* owner, const char* text, const BackgroundEvents& background)
{
    show(owner, orEmpty(loadString(captionString)), orEmpty(text), background);
}

} // namespace vantrel
