#include "scene/ProcessorLoadSource.h"

#include <windows.h>
#include <pdh.h>
#include <winternl.h>

#include <algorithm>
#include <string>
#include <utility>

struct SystemLoadQuery {
    std::shared_ptr<void> query;
    std::vector<PDH_HCOUNTER> counters; // one per instance, in instance order
};

namespace {

// One call returns an entry per processor.
constexpr auto processorPerformanceClass = static_cast<SYSTEM_INFORMATION_CLASS>(8);

std::string narrow(const std::wstring& wide)
{
    return std::string(wide.begin(), wide.end());
}

// The instance part of a counter path with its parentheses: "(0)", "(_Total)".
std::wstring instanceLabel(const std::wstring& path)
{
    std::size_t open = path.find(L'(');
    if (open == std::wstring::npos) {
        return {};
    }
    std::size_t close = path.find(L')', open);
    return path.substr(open, close == std::wstring::npos ? std::wstring::npos : close - open + 1);
}

// Object 238 and counter 6 of the performance data: "Processor" and "% Processor Time"
// in English, and in the system's own language the names its paths are written in.
std::wstring counterName(DWORD index, const wchar_t* english)
{
    wchar_t name[PDH_MAX_COUNTER_NAME] = {};
    DWORD size = PDH_MAX_COUNTER_NAME;
    if (PdhLookupPerfNameByIndexW(nullptr, index, name, &size) != ERROR_SUCCESS || name[0] == L'\0') {
        return english;
    }
    return name;
}

// The processor instances' paths, written in the system's language (wildcards expand only
// there): "\\Processor(0)\\% Processor Time" on an English system.
std::vector<std::wstring> expandProcessorPaths()
{
    const std::wstring wildcard =
        L"\\" + counterName(238, L"Processor") + L"(*/*)\\" + counterName(6, L"% Processor Time");
    DWORD size = 0;
    PdhExpandWildCardPathW(nullptr, wildcard.c_str(), nullptr, &size, 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(size) + 1, L'\0');
    PdhExpandWildCardPathW(nullptr, wildcard.c_str(), buffer.data(), &size, 0);
    std::vector<std::wstring> paths;
    for (const wchar_t* path = buffer.data(); *path != L'\0'; path += std::wcslen(path) + 1) {
        paths.emplace_back(path);
    }
    return paths;
}

std::shared_ptr<SystemLoadQuery> openCounterQuery()
{
    PDH_HQUERY handle = nullptr;
    if (PdhOpenQueryW(nullptr, 0, &handle) != ERROR_SUCCESS || handle == nullptr) {
        return nullptr;
    }
    auto query = std::make_shared<SystemLoadQuery>();
    query->query.reset(handle, [](void* open) { PdhCloseQuery(open); });
    return query;
}

} // namespace

// The processor instances of the performance counters; where the system expands no
// counter paths (Wine does not), per-processor times from the kernel instead.
ProcessorLoadSource::ProcessorLoadSource(std::string statPath) : statPath(std::move(statPath))
{
    if (auto query = openCounterQuery()) {
        // Added by their English paths, which every language's system accepts.
        for (const std::wstring& path : expandProcessorPaths()) {
            const std::wstring label = instanceLabel(path);
            const std::wstring englishPath = L"\\Processor" + label + L"\\% Processor Time";
            PDH_HCOUNTER counter = nullptr;
            if (PdhAddEnglishCounterW(query->query.get(), englishPath.c_str(), 0, &counter) != ERROR_SUCCESS) {
                counter = nullptr;
            }
            query->counters.push_back(counter);
            instances.push_back(Instance{narrow(label), narrow(englishPath), {}, false, 0.0});
        }
        if (!instances.empty()) {
            systemQuery = std::move(query);
            return;
        }
    }
    std::vector<ProcessorTimes> times;
    if (read(times)) {
        addInstances(times);
    }
}

// Processor times in 100 ns units under the names of /proc/stat: "cpu0", "cpu1", ...,
// then "cpu" for their sum.
bool ProcessorLoadSource::read(std::vector<ProcessorTimes>& times) const
{
    std::vector<SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION> entries(std::max<DWORD>(GetActiveProcessorCount(ALL_PROCESSOR_GROUPS), 1));
    ULONG length = 0;
    NTSTATUS status = NtQuerySystemInformation(processorPerformanceClass, entries.data(),
                                               static_cast<ULONG>(entries.size() * sizeof entries[0]), &length);
    if (status < 0) {
        return false;
    }
    entries.resize(std::min<std::size_t>(entries.size(), length / sizeof entries[0]));
    times.clear();
    ProcessorTimes sum;
    sum.name = "cpu";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ProcessorTimes processor;
        processor.name = "cpu" + std::to_string(i);
        // Kernel time includes idle time.
        const auto idle = static_cast<std::uint64_t>(entries[i].IdleTime.QuadPart);
        processor.total = static_cast<std::uint64_t>(entries[i].KernelTime.QuadPart + entries[i].UserTime.QuadPart);
        processor.busy = processor.total >= idle ? processor.total - idle : 0;
        sum.total += processor.total;
        sum.busy += processor.busy;
        times.push_back(std::move(processor));
    }
    times.push_back(std::move(sum));
    return !entries.empty();
}

void ProcessorLoadSource::collect()
{
    if (systemQuery) {
        PdhCollectQueryData(systemQuery->query.get());
        for (std::size_t i = 0; i < instances.size(); ++i) {
            PDH_FMT_COUNTERVALUE value{};
            if (systemQuery->counters[i] != nullptr
                && PdhGetFormattedCounterValue(systemQuery->counters[i], PDH_FMT_DOUBLE, nullptr, &value)
                       == ERROR_SUCCESS) {
                instances[i].load = value.doubleValue;
            }
        }
        return;
    }
    std::vector<ProcessorTimes> times;
    if (read(times)) {
        collectTimes(times);
    }
}
