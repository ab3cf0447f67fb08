#pragma once

namespace vantrel {

// The user-visible strings by id (UTF-8); null for an id the table does not hold.
const char* loadString(int id) noexcept;

} // namespace vantrel
