#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// Decodes UTF-8 into code points. Every malformed, overlong, surrogate or truncated
// sequence becomes one U+FFFD, and decoding resumes at the next byte.
std::u32string decodeUtf8(std::string_view text);

} // namespace vantrel
