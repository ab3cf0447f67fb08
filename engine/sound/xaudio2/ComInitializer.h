#pragma once

namespace vantrel {

// COM for the calling thread in the multithreaded apartment, for the span of the object.
// Throws ComException when CoInitializeEx fails.
class ComInitializer {
public:
    ComInitializer();
    ~ComInitializer();
    ComInitializer(const ComInitializer&) = delete;
    ComInitializer& operator=(const ComInitializer&) = delete;
};

} // namespace vantrel
