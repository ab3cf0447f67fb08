#include <vantrel/base/ThreadNotifier.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

[[noreturn]] void throwInterrupted(const char* method)
{
    throw InterruptedException(format("Thread interupted in %s method.", method));
}

} // namespace

void ThreadNotifier::sleep(std::uint32_t milliseconds)
{
    constexpr const char* method = "vantrel::ThreadNotifier::sleep";
    if (isSignalled()) {
        throwInterrupted(method);
    }
    if (milliseconds == 0) {
        return;
    }
    if (waitDeep(milliseconds)) {
        throwInterrupted(method);
    }
}

bool ThreadNotifier::wait(Event& event)
{
    constexpr const char* method = "vantrel::ThreadNotifier::wait";
    if (isSignalled()) {
        throwInterrupted(method);
    }
    if (event.isSignalled()) {
        return true;
    }
    Event* events[] = {this, &event};
    int index = Event::waitDeep(events, events + 2);
    if (index == 0) {
        throwInterrupted(method);
    }
    return index == 1;
}

} // namespace vantrel
