#pragma once

#include <cstdint>
#include <memory>

namespace vantrel {

// Throws FileOpenException with `message` and `errorCode`, naming the file and the folder
// that `fileName` was looked for in (a relative name resolves against the current folder).
[[noreturn]] void throwFileOpenFailure(std::shared_ptr<char[]> message, std::uint32_t errorCode,
                                       const char* fileName);

} // namespace vantrel
