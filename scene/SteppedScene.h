#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>
#include "scene/BenchmarkScene.h"

// The benchmark scene stepped on the calling thread with a fixed clock (16 ms an
// iteration) and a scripted pointer, without processor loads: every build on every
// platform presents the same pictures, so their checksums can be compared.
class SteppedScene {
public:
    static constexpr std::uint32_t width = 1366;
    static constexpr std::uint32_t height = 768;

    explicit SteppedScene(std::shared_ptr<vantrel::IPresentTarget> target);

    void step(int count);
    BenchmarkScene& getScene() { return *scene; }

private:
    std::unique_ptr<BenchmarkScene> scene;
    std::uint32_t time = 1000;
};

// FNV-1a, 32 bits, over blue, green and red of every pixel of a 4-byte frame, top row
// first: the padding byte does not count, so a page can check its canvas the same way.
std::uint32_t frameChecksum(const vantrel::Image& frame);
