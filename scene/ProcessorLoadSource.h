#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Cumulative processor time of one "cpu" line of /proc/stat, in clock ticks.
struct ProcessorTimes {
    std::string name; // "cpu" for the sum of all processors, "cpu0", "cpu1", ...
    std::uint64_t total = 0; // user, nice, system, idle, iowait, irq, softirq, steal
    std::uint64_t busy = 0;  // total without idle and iowait
};

// Every "cpu" line of a /proc/stat text, in file order. Missing fields count as 0;
// lines that are not "cpu" lines are skipped.
std::vector<ProcessorTimes> parseProcessorTimes(const std::string& text);

// Busy share in percent between two readings of one processor; 0 when no time passed
// or the counters went backwards.
double busyPercent(const ProcessorTimes& before, const ProcessorTimes& after);

// Per-processor load from /proc/stat (on Windows from the performance counters, or the
// kernel's processor times where those give none; statPath is unused there), one instance
// per processor in the order "(0)", "(1)", ..., then "(_Total)". Each collection measures
// the busy share since the previous one; until there are two collections every load is 0.
class ProcessorLoadSource {
public:
    // Learns the instances from one reading; an unreadable file gives none.
    explicit ProcessorLoadSource(std::string statPath = "/proc/stat");

    // Reads the file again; an unreadable file leaves every value as it was.
    void collect();

    std::size_t getCount() const noexcept { return instances.size(); }
    const std::string& getLabel(std::size_t index) const { return instances.at(index).label; }
    double getLoad(std::size_t index) const { return instances.at(index).load; }

private:
    struct Instance {
        std::string label;
        std::string name;
        ProcessorTimes previous;
        bool collected = false;
        double load = 0.0;
    };

    // The system's processor times, under the names of /proc/stat's "cpu" lines.
    bool read(std::vector<ProcessorTimes>& times) const;
    // One instance per processor, then the total, from one reading.
    void addInstances(const std::vector<ProcessorTimes>& times);
    // Each instance's busy share since the previous reading.
    void collectTimes(const std::vector<ProcessorTimes>& times);

    std::string statPath;
    std::vector<Instance> instances;
    // Windows: the performance-data query whose counters give the loads, when it has any.
    std::shared_ptr<struct SystemLoadQuery> systemQuery;
};
