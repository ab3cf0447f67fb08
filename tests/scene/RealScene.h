#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <vantrel/screen/MemoryPresentTarget.h>
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/ReferenceFrame.h"

// The scene reads its files from the current directory: this runs a test inside a
// folder and goes back afterwards.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }

private:
    std::filesystem::path previous;
};

inline const std::string generatedDataFolder = VANTREL_DATA_DIR;

// A folder holding links to every generated data file except `leftOut`.
inline void linkDataFilesExcept(const TemporaryDirectory& folder, const std::string& leftOut)
{
    for (const auto& entry : std::filesystem::directory_iterator(generatedDataFolder)) {
        const std::string name = entry.path().filename().string();
        if (name != leftOut) {
            std::filesystem::create_symlink(entry.path(), folder.file(name));
        }
    }
}

inline BenchmarkScene::Options steppedByHand()
{
    BenchmarkScene::Options options;
    options.workerCount = 1;
    options.startRendering = false;
    return options;
}

// The real scene with a scripted pointer, stepped on the calling thread with a fixed clock
// (16 or 17 ms apart, as the pacer's deadlines are).
struct SteppedScene {
    static constexpr std::uint32_t W = 1366;
    static constexpr std::uint32_t H = 768;

    explicit SteppedScene(const BenchmarkScene::Options& options = steppedByHand())
        : scene(target, pointer, W, H, options)
    {
    }

    void stepTo(std::uint32_t iteration)
    {
        while (iterations < iteration) {
            ++iterations;
            screen.step(1000 + iterations * 1000 / 60);
        }
    }

    // One step, which presents the frame composed before it: that frame must equal a full
    // redraw of both layers from scratch, whatever the drawers keep between frames.
    void stepAndCompare()
    {
        const vantrel::Image expected = vantrel::testing::drawFrameFromScratch(screen);
        const int level = screen.getTransitionLevel();
        stepTo(iterations + 1);
        const long difference = vantrel::testing::firstDifference(target->snapshot(), expected);
        ASSERT_EQ(difference, -1) << "iteration " << iterations << ", level " << level
                                  << (screen.getTransitionRule() ? " (wipe)" : "") << ": first wrong pixel at ("
                                  << difference % W << ", " << difference / W << ")";
    }

    // Moves the cross-fade ahead where nothing new happens, as the task itself would: a new
    // level, then both layers redrawn.
    void skipToLevel(std::uint8_t level)
    {
        vantrel::Screen::Lock lock(screen);
        screen.setTransitionLevel(level);
        screen.invalidate();
    }

    std::shared_ptr<vantrel::MemoryPresentTarget> target = std::make_shared<vantrel::MemoryPresentTarget>(W, H);
    std::shared_ptr<FigureEightPointer> pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    BenchmarkScene scene;
    vantrel::Screen& screen = scene.getScreen();
    std::uint32_t iterations = 0;
};
