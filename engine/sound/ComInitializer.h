#pragma once

namespace vantrel {

// Marks the span of the program that uses the audio services. Nothing has to be set up
// per thread on this platform, so the guard does nothing.
class ComInitializer {
public:
    ComInitializer() = default;
    ~ComInitializer() = default;
    ComInitializer(const ComInitializer&) = delete;
    ComInitializer& operator=(const ComInitializer&) = delete;
};

} // namespace vantrel
