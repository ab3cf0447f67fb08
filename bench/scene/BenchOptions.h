#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct BenchOptions {
    double seconds = 10.0;
    std::uint32_t workers = 0; // 0: one per processor
    std::string screenshot;    // empty: none
    bool json = false;
    bool redraw = false;       // drawers keep no pictures between frames
    bool wholePresent = false; // the target takes whole frames, not bands
    int steps = 0;             // > 0: step this many iterations on one thread instead
    std::string plot;          // empty: none; else a PNG of the frame times
    int checksumSteps = 0;     // > 0: step this many, print the presented frame's checksum
    bool version = false;      // print the version only
};

// Parses --seconds N, --workers N, --screenshot FILE, --json, --redraw, --whole-present, --stepped N,
// --stepped-checksum N, --plot FILE and --version. Returns nothing and
// sets `error` (empty for --help) when the arguments are not usable.
std::optional<BenchOptions> parseBenchOptions(int argc, const char* const* argv, std::string& error);

extern const char* const benchUsage;
