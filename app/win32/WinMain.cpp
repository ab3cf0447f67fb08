#include <windows.h>

#include <memory>

#include <vantrel/shell/WindowHost.h>
#include "scene/BenchmarkScene.h"

// The benchmark scene in its window. Exit code 0 in every case: a failure at start ends
// the program quietly.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return vantrel::runWindow({}, [](const vantrel::SceneContext& context) {
        return std::make_shared<BenchmarkScene>(context.target, context.pointer, context.width,
                                                context.height);
    });
}
