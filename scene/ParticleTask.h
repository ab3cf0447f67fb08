#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/Screen.h>
#include "scene/Mouse.h"

// Where pairs of particles appear for a cursor that moved from `last` to `current`:
// one pair every 4 pixels along the longer axis, then one at `current`; a cursor that
// moved less than 8 pixels on both axes also gets a jitter pair.
struct TrailPlan {
    std::vector<vantrel::Point> pathPairs; // opacity 128, ending with `current`
    bool jitter = false;                   // opacity 96, near `current`
};

TrailPlan planTrail(vantrel::Point last, vantrel::Point current);

// The next opacity of an ageing particle: 4 less, never below 0.
std::uint8_t agedOpacity(std::uint8_t opacity);

// The additive particle trail behind the mouse on layer 0: particles grow by 4 pixels
// and fade by 4 opacity steps per iteration, and go once they are invisible.
class ParticleTask {
public:
    static constexpr std::uint32_t particleId = 10100;
    static constexpr std::int32_t zOrder = 1000;
    static constexpr std::uint8_t pathOpacity = 128;
    static constexpr std::uint8_t jitterOpacity = 96;

    // Loads "particle.png" and "particle2.png" and adds the task. The mouse must outlive
    // the screen's render loop.
    static void setUp(vantrel::Screen& screen, const vantrel::Mouse& mouse);

    ParticleTask(const vantrel::Mouse& mouse, std::shared_ptr<vantrel::Image> image1,
                 std::shared_ptr<vantrel::Image> image2);
    bool operator()(vantrel::Screen& screen);

private:
    // The mouse position moved so that image1 is centred on it.
    vantrel::Point spawnPosition() const;
    void spawnPair(vantrel::Screen& screen, vantrel::Point at, std::uint8_t opacity);

    const vantrel::Mouse* mouse;
    std::shared_ptr<vantrel::Image> image1;
    vantrel::Point last;
    std::shared_ptr<vantrel::Image> image2;
    int jitterMin = 0;
    int jitterMax = 30;
    std::mt19937 generator{5489u};
};
