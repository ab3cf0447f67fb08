#include "app/Display.h"

#include <exception>
#include <utility>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr std::int32_t fullscreenHeight = 768;

void changeDisplaySettings(IDisplaySettings* settings, const DisplayMode* mode)
{
    DisplayChangeResult result{-1, "SDL_SetWindowDisplayMode"};
    if (settings != nullptr) {
        result = settings->change(mode);
    }
    if (result.code != 0) {
        throw DisplayException(
            format("%s API failed in %s method.", result.call,
                   "vantrel::`anonymous-namespace'::changeDisplaySettings"),
            result.code);
    }
}

} // namespace

Display::~Display()
{
    if (fullscreen) {
        try {
            changeDisplaySettings(settings.get(), nullptr);
        } catch (const std::exception&) {
        }
        fullscreen = false;
    }
}

void Display::setSettings(std::shared_ptr<IDisplaySettings> newSettings) noexcept
{
    settings = std::move(newSettings);
}

void Display::setFullscreen(std::int32_t width)
{
    if (fullscreen) {
        changeDisplaySettings(settings.get(), nullptr);
        fullscreen = false;
    }
    mode.width = width;
    mode.height = fullscreenHeight;
    changeDisplaySettings(settings.get(), &mode);
    fullscreen = true;
}

void Display::setWindowed()
{
    changeDisplaySettings(settings.get(), nullptr);
    fullscreen = false;
}

void Display::suspend()
{
    if (fullscreen && applied) {
        changeDisplaySettings(settings.get(), nullptr);
        applied = false;
    }
}

void Display::resume()
{
    if (fullscreen && !applied) {
        changeDisplaySettings(settings.get(), &mode);
        applied = true;
    }
}

} // namespace vantrel
