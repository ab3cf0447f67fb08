#include "bench/scene/BenchOptions.h"

#include <cstdlib>
#include <cstring>

const char* const benchUsage =
    "usage: vantrel-bench [--seconds N] [--workers N] [--screenshot FILE] [--json] [--redraw]\n"
    "                     [--whole-present] [--stepped N] [--stepped-checksum N] [--plot FILE.png]\n"
    "                     [--version]\n"
    "Runs the benchmark scene headless at 1366 x 768 from the current directory's data files.\n"
    "  --seconds N        how long to run (default 10)\n"
    "  --workers N        drawing workers (default: one per processor)\n"
    "  --screenshot FILE  write the last presented frame as PNG\n"
    "  --json             print the figures as one JSON object\n"
    "  --redraw           keep no pictures between frames: redraw every dirty band in full\n"
    "  --whole-present    the last worker presents the whole frame, instead of each worker\n"
    "                     handing over its bands as it finishes them\n"
    "  --stepped N        step N iterations on one thread, keeping and redrawing in turn,\n"
    "                     and print the time per iteration (processor time; on Windows\n"
    "                     the wall clock, as its processor time counts in 10-ms ticks)\n"
    "  --plot FILE.png    draw every frame's dispatch-to-present time over the run and\n"
    "                     their distribution into FILE.png\n"
    "  --stepped-checksum N  step N iterations with a fixed clock and print the presented\n"
    "                     frame's checksum (the browser page's ?steps=N gives the same)\n"
    "  --version          print the version and exit\n";

namespace {

// A whole decimal count from 1 to `most`, or nothing for any other text.
std::optional<long> countFrom(const char* text, long most)
{
    char* end = nullptr;
    const long count = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || count < 1 || count > most) {
        return std::nullopt;
    }
    return count;
}

} // namespace

std::optional<BenchOptions> parseBenchOptions(int argc, const char* const* argv, std::string& error)
{
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argument, "--json") == 0) {
            options.json = true;
        } else if (std::strcmp(argument, "--redraw") == 0) {
            options.redraw = true;
        } else if (std::strcmp(argument, "--whole-present") == 0) {
            options.wholePresent = true;
        } else if (std::strcmp(argument, "--version") == 0) {
            options.version = true;
            return options;
        } else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            error.clear();
            return std::nullopt;
        } else if (std::strcmp(argument, "--seconds") == 0 && hasValue) {
            char* end = nullptr;
            options.seconds = std::strtod(argv[++i], &end);
            if (end == argv[i] || *end != '\0' || !(options.seconds > 0.0) || options.seconds > 86400.0) {
                error = std::string("--seconds needs a positive number, not ") + argv[i];
                return std::nullopt;
            }
        } else if (std::strcmp(argument, "--workers") == 0 && hasValue) {
            const auto workers = countFrom(argv[++i], 256);
            if (!workers) {
                error = std::string("--workers needs a count from 1 to 256, not ") + argv[i];
                return std::nullopt;
            }
            options.workers = static_cast<std::uint32_t>(*workers);
        } else if (std::strcmp(argument, "--stepped") == 0 && hasValue) {
            const auto steps = countFrom(argv[++i], 1000000);
            if (!steps) {
                error = std::string("--stepped needs a count from 1 to 1000000, not ") + argv[i];
                return std::nullopt;
            }
            options.steps = static_cast<int>(*steps);
        } else if (std::strcmp(argument, "--stepped-checksum") == 0 && hasValue) {
            const auto steps = countFrom(argv[++i], 1000000);
            if (!steps) {
                error = std::string("--stepped-checksum needs a count from 1 to 1000000, not ") + argv[i];
                return std::nullopt;
            }
            options.checksumSteps = static_cast<int>(*steps);
        } else if (std::strcmp(argument, "--screenshot") == 0 && hasValue) {
            options.screenshot = argv[++i];
        } else if (std::strcmp(argument, "--plot") == 0 && hasValue) {
            options.plot = argv[++i];
        } else {
            error = std::string("unknown or incomplete option ") + argument;
            return std::nullopt;
        }
    }
    return options;
}
