#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::kernels {

// Per-thread working memory of the scaled copies; it grows to the widest call and stays.
struct StretchScratch {
    std::vector<std::uint32_t> columns;  // per destination column: source column - first
    std::vector<std::uint8_t> fractions; // per destination column: 6-bit weight, 0 = unmixed
    std::vector<std::uint32_t> groups;   // per 8 columns: word order and mixing weights
    std::vector<std::uint32_t> decoded;  // one source row turned into words
    std::vector<std::uint32_t> mixed[2]; // two horizontally mixed rows
    std::vector<std::uint32_t> sampled;  // the row about to be blended
};

StretchScratch& stretchScratch();

} // namespace vantrel::kernels
