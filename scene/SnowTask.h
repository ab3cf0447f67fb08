#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/screen/Screen.h>

// One snowflake's fixed traits; its motion state is its sprite's position and opacity.
struct Flake {
    std::uint32_t id;
    std::uint32_t speed;        // rows per iteration, 1 to 4
    std::uint32_t resetOpacity; // given back when it re-enters at the top
    std::shared_ptr<vantrel::ImageSprite> sprite;
};

struct FlakeState {
    std::int32_t x;
    std::int32_t y;
    std::uint8_t opacity;

    friend bool operator==(const FlakeState&, const FlakeState&) = default;
};

// One iteration of one flake with sideways drift d (-2..2) on a width x height screen:
// the step is d limited to +-speed, the opacity moves by d (kept at 0 or above, then
// only its low 8 bits), past the right edge + 10 it re-enters at -10, past the bottom at
// the top with its reset opacity.
FlakeState moveFlake(const FlakeState& state, int drift, std::uint32_t speed,
                     std::uint32_t resetOpacity, std::uint32_t width, std::uint32_t height);

// 900 additive flakes on layer 0 (ids 100 to 999) that fall, drift and flicker.
class SnowTask {
public:
    static constexpr std::uint32_t firstId = 100;
    static constexpr std::uint32_t lastId = 999;
    static constexpr std::int32_t zOrder = 500;

    // Loads "snow.png" and "snow2.png", creates the flakes and adds the task.
    static void setUp(vantrel::Screen& screen);

    SnowTask(std::vector<Flake> flakes, std::mt19937 generator);
    bool operator()(vantrel::Screen& screen);

private:
    std::vector<Flake> flakes;
    std::mt19937 generator;
    int driftMin = 0;
    int driftMax = 4;
};

// The opacity a flake of this id starts with and gets back at the top.
std::uint8_t flakeOpacity(std::uint32_t id);
