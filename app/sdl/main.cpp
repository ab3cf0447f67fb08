#include <memory>

#include <vantrel/shell/WindowHost.h>
#include "scene/BenchmarkScene.h"

// The benchmark scene in its window. Exit code 0 in every case, also when the program
// cannot start.
int main(int, char**)
{
    return vantrel::runWindow({}, [](const vantrel::SceneContext& context) {
        return std::make_shared<BenchmarkScene>(context.target, context.pointer, context.width,
                                                context.height);
    });
}
