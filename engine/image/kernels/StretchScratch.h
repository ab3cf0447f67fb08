#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::kernels {

// Per-thread working memory of the scaled copies. It is allocated here, in a translation unit
// built for the baseline processor, and grows to the largest call and stays.
struct StretchBuffers {
    std::uint32_t* columns;  // per destination column: source column - first
    std::uint8_t* fractions; // per destination column: 6-bit weight, 0 = unmixed
    std::uint32_t* groups;   // per register of columns: word order and mixing weights
    std::uint32_t* decoded;  // one source row turned into words
    std::uint32_t* mixed[2]; // two rows mixed across columns
    std::uint32_t* sampled;  // the row about to be blended
};

// Buffers for `columns` destination columns, `decodedWords` words of one source row and
// `groupWords` words of group data. Throws std::bad_alloc.
StretchBuffers stretchBuffers(std::size_t columns, std::size_t decodedWords,
                              std::size_t groupWords);

} // namespace vantrel::kernels
