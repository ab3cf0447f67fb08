#include "scene/ProcessorLoadSource.h"

#include <fstream>
#include <sstream>
#include <utility>

ProcessorLoadSource::ProcessorLoadSource(std::string statPath) : statPath(std::move(statPath))
{
    std::vector<ProcessorTimes> times;
    if (read(times)) {
        addInstances(times);
    }
}

bool ProcessorLoadSource::read(std::vector<ProcessorTimes>& times) const
{
    std::ifstream file(statPath);
    if (!file) {
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    times = parseProcessorTimes(text.str());
    return true;
}

void ProcessorLoadSource::collect()
{
    std::vector<ProcessorTimes> times;
    if (read(times)) {
        collectTimes(times);
    }
}
