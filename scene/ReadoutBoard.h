#pragma once

#include <mutex>
#include <string>
#include <vector>

// The values the read-outs last showed, for observers on other threads (the headless
// benchmark). Written by the tasks on the render thread.
class ReadoutBoard {
public:
    struct Load {
        std::string label; // "(0)", "(1)", ..., "(_Total)"
        double percent = 0.0;
    };

    void setFrameRate(double framesPerSecond);
    void setLoad(std::size_t index, const std::string& label, double percent);

    double getFrameRate() const;
    std::vector<Load> getLoads() const;

private:
    mutable std::mutex lock;
    double frameRate = 0.0;
    std::vector<Load> loads;
};
