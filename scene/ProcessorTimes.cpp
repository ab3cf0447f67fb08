#include "scene/ProcessorLoadSource.h"

#include <algorithm>
#include <sstream>
#include <utility>

std::vector<ProcessorTimes> parseProcessorTimes(const std::string& text)
{
    std::vector<ProcessorTimes> result;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        ProcessorTimes times;
        if (!(fields >> times.name) || times.name.compare(0, 3, "cpu") != 0
            || !std::all_of(times.name.begin() + 3, times.name.end(),
                            [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        // user, nice, system, idle, iowait, irq, softirq, steal
        std::uint64_t values[8] = {};
        for (std::uint64_t& value : values) {
            if (!(fields >> value)) {
                value = 0;
                break;
            }
        }
        for (std::uint64_t value : values) {
            times.total += value;
        }
        times.busy = times.total - values[3] - values[4];
        result.push_back(std::move(times));
    }
    return result;
}

double busyPercent(const ProcessorTimes& before, const ProcessorTimes& after)
{
    if (after.total <= before.total || after.busy < before.busy) {
        return 0.0;
    }
    const double share = static_cast<double>(after.busy - before.busy)
                         / static_cast<double>(after.total - before.total);
    return std::clamp(share * 100.0, 0.0, 100.0);
}

void ProcessorLoadSource::addInstances(const std::vector<ProcessorTimes>& times)
{
    for (const ProcessorTimes& processor : times) {
        if (processor.name != "cpu") {
            std::string label = "(";
            label.append(processor.name, 3).append(")");
            instances.push_back(Instance{std::move(label), processor.name, {}, false, 0.0});
        }
    }
    if (std::any_of(times.begin(), times.end(), [](const ProcessorTimes& t) { return t.name == "cpu"; })) {
        instances.push_back(Instance{"(_Total)", "cpu", {}, false, 0.0});
    }
}

void ProcessorLoadSource::collectTimes(const std::vector<ProcessorTimes>& times)
{
    for (Instance& instance : instances) {
        auto found = std::find_if(times.begin(), times.end(),
                                  [&](const ProcessorTimes& t) { return t.name == instance.name; });
        if (found == times.end()) {
            continue;
        }
        if (instance.collected) {
            instance.load = busyPercent(instance.previous, *found);
        }
        instance.previous = *found;
        instance.collected = true;
    }
}
