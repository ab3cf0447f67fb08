#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <vantrel/image/Image.h>
#include <vantrel/screen/Screen.h>

// Reads one image by file name; throws when the file is missing or damaged.
using ImageLoader = std::function<std::shared_ptr<vantrel::Image>(const char* fileName)>;

// The wipe rules in turn order: first the plain cross-fade (an empty entry), then
// "trans0.png", "trans1.png", ... up to the first file that cannot be read.
std::vector<std::shared_ptr<vantrel::Image>> loadTransitionRules(const ImageLoader& load);

// Fades layer 1 in over layer 0 and back without end, one level per iteration; each
// time layer 0 shows alone again it picks the next wipe rule. A cycle is 512 iterations:
// the pick, 255 rising, the turn, 255 falling.
class TransitionTask {
public:
    static void setUp(vantrel::Screen& screen, const ImageLoader& load);

    explicit TransitionTask(std::vector<std::shared_ptr<vantrel::Image>> rules);
    bool operator()(vantrel::Screen& screen);

private:
    bool rising = false;
    std::vector<std::shared_ptr<vantrel::Image>> rules;
    std::uint32_t next = 0;
};
