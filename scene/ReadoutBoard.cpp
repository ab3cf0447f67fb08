#include "scene/ReadoutBoard.h"

void ReadoutBoard::setFrameRate(double framesPerSecond)
{
    std::lock_guard<std::mutex> guard(lock);
    frameRate = framesPerSecond;
}

void ReadoutBoard::setLoad(std::size_t index, const std::string& label, double percent)
{
    std::lock_guard<std::mutex> guard(lock);
    if (loads.size() <= index) {
        loads.resize(index + 1);
    }
    loads[index] = Load{label, percent};
}

double ReadoutBoard::getFrameRate() const
{
    std::lock_guard<std::mutex> guard(lock);
    return frameRate;
}

std::vector<ReadoutBoard::Load> ReadoutBoard::getLoads() const
{
    std::lock_guard<std::mutex> guard(lock);
    return loads;
}
