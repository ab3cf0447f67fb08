#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuController.h"
#include "app/MenuLayout.h"
#include "app/MenuModel.h"
#include "app/MenuPainter.h"
#include "app/MessageBoxLayout.h"
#include "app/WindowPointerSource.h"
#include <vantrel/image/Image.h>
#include <vantrel/screen/web/CanvasPresentTarget.h>
#include "scene/BenchmarkScene.h"

class TimingObserver;
class SteppedScene;

namespace vantrel {

// What the page asked for in its address.
struct PageMode {
    int steps = 0;        // > 0: step the scene this many iterations, show the frame, report its checksum
    double benchSeconds = 0.0; // > 0: measure this long and report the benchmark's figures
};

// The page's counterpart of the desktop window: the frame canvas, the menu bar canvas
// above it with the engine-drawn menu, the pointer and clicks, message boxes and, on a
// page without threads, the render loop's iterations. Page main thread only.
class WebShell {
public:
    WebShell(bool threads, const PageMode& mode);
    ~WebShell();
    WebShell(const WebShell&) = delete;
    WebShell& operator=(const WebShell&) = delete;

    void start();
    // Window coordinates: the menu bar's top-left corner is (0, 0), the frame lies below it.
    void pointerMoved(Point point);
    void button(bool down, Point point);
    void fullscreenChanged(bool fullscreen);
    // Once per animation frame; false stops the calls.
    bool animationFrame();

private:
    void createScene();
    void iterateWithoutThreads();
    void executeCommand(int command);
    void menuChanged();
    void paintMenu();
    void showPopup(const Rect& changed);
    void report(const std::exception& failure) noexcept;
    void showMessage(const char* text);
    void closeMessage();
    void stop();
    void sampleBench();

    bool threads;
    PageMode mode;
    MenuBar menu;
    MenuController controller;
    std::unique_ptr<MenuPainter> painter;
    MenuLayout layout;
    Image barImage;
    std::unique_ptr<Image> popupImage;
    Rect shownPopup; // window coordinates
    std::shared_ptr<CanvasPresentTarget> target;
    std::shared_ptr<WindowPointerSource> pointer;
    std::shared_ptr<BenchmarkScene> scene;
    std::unique_ptr<SteppedScene> stepped;
    bool stopped = false;
    std::uint32_t nextIteration = 0; // without threads: when the next one is due
    std::uint64_t iterations = 0;
    std::uint32_t lastReadout = 0;

    struct Message {
        MessageBoxLayout layout;
        std::unique_ptr<Image> image;
        Rect frame; // frame coordinates
    };
    std::optional<Message> message;

    struct Bench {
        std::shared_ptr<TimingObserver> observer;
        std::uint32_t started = 0;
        std::uint32_t measureStart = 0;
        std::uint32_t lastSample = 0;
        std::uint64_t presentsAtStart = 0;
        bool measuring = false;
        bool done = false;
        std::vector<double> readouts;
    } bench;
};

} // namespace vantrel
