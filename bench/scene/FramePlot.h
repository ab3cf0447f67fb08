#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Draws, with the engine's own drawing operations and text, every frame's dispatch-to-present
// time over the run beside their distribution, the median and the 99th percentile marked and
// `settings` in the caption, and writes the picture as a PNG file.
void writeFramePlot(const std::string& path, const std::vector<std::uint64_t>& frameNanoseconds,
                    const std::string& settings);
