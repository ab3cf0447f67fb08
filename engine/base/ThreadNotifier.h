#pragma once

#include <cstdint>

#include <vantrel/base/Event.h>

namespace vantrel {

/// The stop signal a Thread hands to its body. Signalled means "stop": sleep and wait
/// then throw InterruptedException.
class ThreadNotifier : public Event {
public:
    /// Sleeps up to `milliseconds`; a stop request ends the sleep at once by throwing.
    void sleep(std::uint32_t milliseconds);

    /// Waits for `event`, the stop request taking priority. Does not reset `event`.
    bool wait(Event& event);
};

} // namespace vantrel
