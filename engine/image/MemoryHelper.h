#pragma once

#include <cstddef>
#include <memory>

namespace vantrel::MemoryHelper {

// A block whose first byte lies on a 64 KiB boundary, with at least `size` + 65,545
// bytes behind it. The raw block's address sits in the 8 bytes below the aligned one.
// Throws std::bad_alloc. The contents are not cleared.
std::shared_ptr<unsigned char> allocateAligned(std::size_t size);

} // namespace vantrel::MemoryHelper
