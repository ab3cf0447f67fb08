#include "app/web/WebShell.h"

#include <emscripten.h>

#include <cstdio>
#include <thread>
#include <utility>

#include "app/CommandIds.h"
#include "app/GlyphRun.h"
#include "app/MessageBoxPainter.h"
#include "app/StringTable.h"
#include "app/Utf8.h"
#include "bench/scene/TimingObserver.h"
#include <vantrel/base/Clock.h>
#include <vantrel/text/Font.h>
#include "scene/SteppedScene.h"
#include "scene/web/BrowserWorkers.h"

// Puts part of a 4-byte BGRX picture into a canvas, swapping blue and red on the way.
EM_JS(void, vantrelPutImage, (const char* id, const unsigned char* pixels, int pitch, int left, int top,
                              int width, int height, int x, int y), {
    const canvas = document.getElementById(UTF8ToString(id));
    if (!canvas || width <= 0 || height <= 0) {
        return;
    }
    const image = new ImageData(width, height);
    const data = image.data;
    for (let row = 0; row < height; ++row) {
        let source = pixels + (top + row) * pitch + left * 4;
        let target = row * width * 4;
        for (let column = 0; column < width; ++column, source += 4, target += 4) {
            data[target] = HEAPU8[source + 2];
            data[target + 1] = HEAPU8[source + 1];
            data[target + 2] = HEAPU8[source];
            data[target + 3] = 255;
        }
    }
    canvas.getContext('2d', {alpha: false}).putImageData(image, x, y);
});

// Tells the page something to show or to keep for its tests.
EM_JS(void, vantrelPageSet, (const char* key, const char* value), {
    if (globalThis.vantrelPage) {
        globalThis.vantrelPage.set(UTF8ToString(key), UTF8ToString(value));
    }
});

EM_JS(void, vantrelFullscreen, (int on), {
    const canvas = document.getElementById('canvas');
    if (on && canvas.requestFullscreen && !document.fullscreenElement) {
        canvas.requestFullscreen().catch(() => {});
    } else if (!on && document.fullscreenElement) {
        document.exitFullscreen().catch(() => {});
    }
});

namespace vantrel {

namespace {

const char* const menuFaceName = "ＭＳ Ｐゴシック";
constexpr std::int32_t menuFontHeight = -12; // 9 points at 96 dots per inch
constexpr const char* frameCanvas = "canvas";
constexpr const char* barCanvas = "menubar";
const Point frameOrigin{0, MenuLayout::barHeight};

bool contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

void putImage(const char* canvas, const Image& image, const Rect& part, Point at)
{
    vantrelPutImage(canvas, image.getPixels(), static_cast<int>(image.getPitch()), part.left, part.top,
                    part.width(), part.height(), at.x, at.y);
}

Rect wholeOf(const Image& image)
{
    return Rect{0, 0, static_cast<std::int32_t>(image.getWidth()), static_cast<std::int32_t>(image.getHeight())};
}

} // namespace

WebShell::WebShell(bool threads, const PageMode& mode)
    : threads(threads), mode(mode), menu(MenuBar::createMainMenu()), controller(menu),
      barImage(static_cast<std::uint32_t>(clientWidth), MenuLayout::barHeight, PixelFormat::Bgrx32)
{
    try {
        auto font = std::make_shared<Font>(menuFaceName, 0, menuFontHeight, false, false);
        FontMetrics metrics = font->getMetrics();
        painter = std::make_unique<MenuPainter>(std::move(font), metrics.ascent, metrics.height);
    } catch (const std::exception& failure) {
        painter = std::make_unique<MenuPainter>(nullptr, 10, 12);
        report(failure);
    }
    layout = layoutMenu(menu, [this](const std::u32string& text) { return painter->measure(text); }, clientWidth);
    // The window's menu is greyed where it does nothing: the page starts in its window.
    menu.enableItem(windowCommand, false);
    menu.enableItem(fullscreenCommand, true);
    menu.checkRadioItem(fullscreenCommand, windowCommand, windowCommand);
}

WebShell::~WebShell() = default;

void WebShell::start()
{
    menuChanged();
    target = std::make_shared<CanvasPresentTarget>(clientWidth, clientHeight, frameCanvas);
    pointer = std::make_shared<WindowPointerSource>();
    if (mode.steps > 0) {
        try {
            stepped = std::make_unique<SteppedScene>(target);
            stepped->step(mode.steps);
            char checksum[16];
            std::snprintf(checksum, sizeof checksum, "%08x",
                          frameChecksum(stepped->getScene().getScreen().getFrontBuffer()));
            std::printf("vantrel: stepped checksum after %d iterations: %s\n", mode.steps, checksum);
            vantrelPageSet("checksum", checksum);
        } catch (const std::exception& failure) {
            report(failure);
        }
        return;
    }
    createScene();
}

void WebShell::createScene()
{
    BenchmarkScene::Options options;
    options.workerCount = browserWorkerCount(threads);
    options.startRendering = threads;
    options.statPath = "engine";
    if (mode.benchSeconds > 0.0) {
        bench.observer = std::make_shared<TimingObserver>();
        options.observer = bench.observer;
    }
    try {
        scene = std::make_shared<BenchmarkScene>(target, pointer, clientWidth, clientHeight, options);
    } catch (const std::exception& failure) {
        report(failure);
        return;
    }
    nextIteration = currentMilliseconds();
    bench.started = nextIteration;
}

void WebShell::iterateWithoutThreads()
{
    // 60 iterations a second, as the render loop keeps them; a page left behind (a hidden
    // tab, a slow machine) drops its backlog instead of racing through it.
    const std::uint32_t now = currentMilliseconds();
    if (static_cast<std::int32_t>(now - nextIteration) > 100) {
        nextIteration = now;
    }
    for (int run = 0; run < 4 && static_cast<std::int32_t>(now - nextIteration) >= 0; ++run) {
        scene->getScreen().step(nextIteration);
        nextIteration += ++iterations % 3 == 0 ? 16 : 17;
    }
}

bool WebShell::animationFrame()
{
    if (stopped) {
        return false;
    }
    if (!threads && scene) {
        iterateWithoutThreads();
    }
    target->flush([this](const Rect& changed) { showPopup(changed); });
    if (bench.observer) {
        sampleBench();
    }
    // The frame-rate read-out, for the page's tests, twice a second.
    if (scene && currentMilliseconds() - lastReadout >= 500) {
        lastReadout = currentMilliseconds();
        vantrelPageSet("fps", std::to_string(scene->getReadouts().getFrameRate()).c_str());
    }
    return true;
}

void WebShell::showPopup(const Rect& changed)
{
    // The frame was just put under whatever the page shows over it.
    if (popupImage) {
        Rect popup = shownPopup.offsetBy(-frameOrigin.x, -frameOrigin.y);
        if (!intersect(popup, changed).isEmpty()) {
            putImage(frameCanvas, *popupImage, wholeOf(*popupImage), Point{popup.left, popup.top});
        }
    }
    if (message && !intersect(message->frame, changed).isEmpty()) {
        putImage(frameCanvas, *message->image, wholeOf(*message->image), Point{message->frame.left, message->frame.top});
    }
}

void WebShell::paintMenu()
{
    painter->paintBar(barImage, menu, layout, controller.getHighlightedBarItem());
    int open = controller.getOpenPopup();
    if (open < 0 || open >= static_cast<int>(layout.popups.size())) {
        shownPopup = Rect{};
        popupImage.reset();
        return;
    }
    const MenuLayout::Popup& placed = layout.popups[static_cast<std::size_t>(open)];
    shownPopup = placed.frame;
    popupImage = std::make_unique<Image>(static_cast<std::uint32_t>(shownPopup.width()),
                                         static_cast<std::uint32_t>(shownPopup.height()), PixelFormat::Bgrx32);
    painter->paintPopup(*popupImage, menu.getPopups()[static_cast<std::size_t>(open)], placed,
                        controller.getHighlighted());
}

void WebShell::menuChanged()
{
    const Rect before = shownPopup;
    paintMenu();
    putImage(barCanvas, barImage, wholeOf(barImage), Point{0, 0});
    if (!before.isEmpty() && before != shownPopup && target) {
        target->restore(before.offsetBy(-frameOrigin.x, -frameOrigin.y));
    }
    showPopup(Rect{0, 0, clientWidth, clientHeight});
    vantrelPageSet("menu", controller.isOpen() ? std::to_string(controller.getOpenPopup()).c_str() : "");
}

void WebShell::pointerMoved(Point point)
{
    if (contains(Rect{0, 0, clientWidth, clientHeight}.offsetBy(frameOrigin.x, frameOrigin.y), point)) {
        pointer->setPosition(Point{point.x - frameOrigin.x, point.y - frameOrigin.y});
    }
    if (controller.isOpen() && !message) {
        const int open = controller.getOpenPopup();
        const int highlighted = controller.getHighlighted();
        controller.pointerMoved(hitTestMenu(layout, controller.getOpenPopup(), point));
        if (open != controller.getOpenPopup() || highlighted != controller.getHighlighted()) {
            menuChanged();
        }
    }
}

void WebShell::button(bool down, Point point)
{
    if (message) {
        const Point inside{point.x - frameOrigin.x - message->frame.left, point.y - frameOrigin.y - message->frame.top};
        const bool onButton = contains(message->layout.button, inside);
        if (down && onButton) {
            closeMessage();
        }
        return;
    }
    const MenuHit hit = hitTestMenu(layout, controller.getOpenPopup(), point);
    if (!down) {
        if (!controller.isOpen()) {
            return;
        }
        const int command = controller.pointerReleased(hit);
        menuChanged();
        if (command != 0) {
            executeCommand(command);
        }
        return;
    }
    const bool wasOpen = controller.isActive();
    const int open = controller.getOpenPopup();
    const bool taken = controller.pointerPressed(hit);
    if (wasOpen || open != controller.getOpenPopup()) {
        menuChanged();
    }
    const Rect frame = Rect{0, 0, clientWidth, clientHeight}.offsetBy(frameOrigin.x, frameOrigin.y);
    if (taken || !scene || !contains(frame, point)) {
        return;
    }
    try {
        scene->click(point.x - frameOrigin.x, point.y - frameOrigin.y);
    } catch (const std::exception& failure) {
        report(failure);
    }
}

void WebShell::executeCommand(int command)
{
    if (command == exitCommand) {
        stop();
    } else if (command == fullscreenCommand || command == toggleDisplayCommand) {
        vantrelFullscreen(1);
    } else if (command == windowCommand) {
        vantrelFullscreen(0);
    }
}

void WebShell::fullscreenChanged(bool fullscreen)
{
    menu.enableItem(windowCommand, fullscreen);
    menu.enableItem(fullscreenCommand, !fullscreen);
    menu.checkRadioItem(fullscreenCommand, windowCommand, fullscreen ? fullscreenCommand : windowCommand);
    menuChanged();
}

void WebShell::stop()
{
    if (stopped) {
        return;
    }
    stopped = true;
    controller.close();
    menuChanged();
    // The render thread and its workers are joined off the page's main thread, which must
    // never wait.
    if (threads && scene) {
        std::thread([doomed = std::move(scene)]() mutable { doomed.reset(); }).detach();
    }
    scene.reset();
    stepped.reset();
    vantrelPageSet("state", "stopped");
}

void WebShell::report(const std::exception& failure) noexcept
{
    try {
        showMessage(failure.what());
    } catch (...) {
    }
}

void WebShell::showMessage(const char* text)
{
    std::printf("vantrel: %s\n", text);
    Message shown;
    std::unique_ptr<Font> font;
    try {
        font = std::make_unique<Font>(menuFaceName, 0, menuFontHeight, false, false);
    } catch (const std::exception&) {
        font.reset(); // the box still shows, with blank texts
    }
    const std::int32_t lineHeight = font ? font->getMetrics().height + 2 : 16;
    shown.layout = layoutMessageBox(
        decodeUtf8(text), [&font](const std::u32string& line) { return runAdvance(glyphRun(font.get(), line, 8)); },
        lineHeight);
    shown.image = std::make_unique<Image>(static_cast<std::uint32_t>(shown.layout.width),
                                          static_cast<std::uint32_t>(shown.layout.height), PixelFormat::Bgrx32);
    paintMessageBox(*shown.image, shown.layout, font.get(), false);
    const std::int32_t left = (clientWidth - shown.layout.width) / 2;
    const std::int32_t top = (clientHeight - shown.layout.height) / 2;
    shown.frame = Rect{left, top, left + shown.layout.width, top + shown.layout.height};
    message = std::move(shown);
    putImage(frameCanvas, *message->image, wholeOf(*message->image), Point{left, top});
    vantrelPageSet("message", text);
}

void WebShell::closeMessage()
{
    if (!message) {
        return;
    }
    const Rect frame = message->frame;
    message.reset();
    if (target) {
        target->restore(frame);
    }
    vantrelPageSet("message", "");
}

void WebShell::sampleBench()
{
    const std::uint32_t now = currentMilliseconds();
    if (bench.done || !scene) {
        return;
    }
    if (!bench.measuring) {
        if (now - bench.started >= 1000) {
            bench.measuring = true;
            bench.measureStart = now;
            bench.lastSample = now;
            bench.presentsAtStart = target->getPublishedFrames();
            bench.observer->setRecording(true);
        }
        return;
    }
    if (now - bench.lastSample >= 250) {
        bench.lastSample = now;
        bench.readouts.push_back(scene->getReadouts().getFrameRate());
    }
    const double seconds = (now - bench.measureStart) / 1000.0;
    if (seconds < mode.benchSeconds) {
        return;
    }
    bench.observer->setRecording(false);
    bench.done = true;
    double mean = 0.0;
    double lowest = 0.0;
    for (std::size_t i = 0; i < bench.readouts.size(); ++i) {
        mean += bench.readouts[i];
        lowest = i == 0 ? bench.readouts[i] : std::min(lowest, bench.readouts[i]);
    }
    mean = bench.readouts.empty() ? 0.0 : mean / static_cast<double>(bench.readouts.size());
    const std::vector<std::uint64_t> frames = bench.observer->getFrameTimes();
    const std::vector<std::uint64_t> iterations = bench.observer->getIterationTimes();
    const std::uint32_t workers = scene->getScreen().getWorkerCount();
    char text[1024];
    int length = std::snprintf(
        text, sizeof text,
        "vantrel page: %d x %d, %u worker%s %s, %.1f s measured after warm-up\n"
        "  frames drawn per second (read-out): mean %.2f, lowest %.2f\n"
        "  frames presented per second:        %.2f\n"
        "  dispatch to present per frame:      median %.3f ms, 99th percentile %.3f ms (%zu frames)\n"
        "  render thread per iteration:        median %.3f ms, 99th percentile %.3f ms (%zu iterations)\n"
        "  processor load (read-out, the workers' busy share):",
        clientWidth, clientHeight, workers, workers == 1 ? "" : "s",
        threads ? "on threads" : "on the page's one thread", seconds, mean, lowest,
        static_cast<double>(target->getPublishedFrames() - bench.presentsAtStart) / seconds,
        percentileMilliseconds(frames, 50), percentileMilliseconds(frames, 99), frames.size(),
        percentileMilliseconds(iterations, 50), percentileMilliseconds(iterations, 99), iterations.size());
    std::string summary(text, static_cast<std::size_t>(std::max(length, 0)));
    for (const ReadoutBoard::Load& load : scene->getReadouts().getLoads()) {
        std::snprintf(text, sizeof text, "  CPU%s : %.2f", load.label.c_str(), load.percent);
        summary += text;
    }
    std::printf("%s\n", summary.c_str());
    vantrelPageSet("bench", summary.c_str());
}

} // namespace vantrel
