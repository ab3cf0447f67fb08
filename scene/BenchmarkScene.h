#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/screen/ScreenObserver.h>
#include <vantrel/shell/IScene.h>
#include <vantrel/shell/PointerSource.h>
#include "scene/Mouse.h"
#include "scene/ProcessorLoadSource.h"
#include "scene/ReadoutBoard.h"

// The built-in scene that shows how fast the engine draws: about a thousand moving
// sprites, a particle trail behind the mouse, a continuous cross-fade between the two
// layers and frame-rate and processor-load read-outs. Reads its data files by relative
// name from the current directory.
class BenchmarkScene : public IScene {
public:
    struct Options {
        std::uint32_t workerCount = 0; // 0: one per processor
        vantrel::Screen::Clock clock; // empty: the millisecond clock
        std::string statPath = "/proc/stat";
        std::shared_ptr<vantrel::IScreenObserver> observer;
        // false leaves the render loop stopped, for driving the Screen with step().
        bool startRendering = true;
    };

    // The sound manager's id of "click.wav"; it stays registered after the scene.
    static constexpr std::int32_t clickSoundId = 0;

    BenchmarkScene(std::shared_ptr<vantrel::IPresentTarget> target,
                   std::shared_ptr<vantrel::IPointerSource> pointer, std::uint32_t width,
                   std::uint32_t height);
    BenchmarkScene(std::shared_ptr<vantrel::IPresentTarget> target,
                   std::shared_ptr<vantrel::IPointerSource> pointer, std::uint32_t width,
                   std::uint32_t height, const Options& options);
    ~BenchmarkScene() override;
    BenchmarkScene(const BenchmarkScene&) = delete;
    BenchmarkScene& operator=(const BenchmarkScene&) = delete;

    void paint() override;
    void click(int x, int y) override;

    vantrel::Screen& getScreen() { return *screen; }
    const ReadoutBoard& getReadouts() const { return *readouts; }

private:
    void build(std::uint32_t width, std::uint32_t height, const Options& options);
    void stopRendering() noexcept;

    std::shared_ptr<vantrel::IPresentTarget> target;
    std::shared_ptr<vantrel::Screen> screen;
    vantrel::Mouse mouse;
    std::shared_ptr<ProcessorLoadSource> processorQuery;
    std::shared_ptr<ReadoutBoard> readouts = std::make_shared<ReadoutBoard>();
};
