#include <vantrel/base/Thread.h>

#include <exception>
#include <utility>

namespace vantrel {

Thread::Thread()
{
    notifier.reset();
}

Thread::~Thread()
{
    try {
        stop();
    } catch (...) {
    }
}

void Thread::start(Body newBody)
{
    stop();
    body = std::move(newBody);
    notifier.reset();
    exitCode.store(0);
    handle = std::thread(&Thread::run, this);
}

void Thread::stop()
{
    if (!handle.joinable()) {
        return;
    }
    notifier.set();
    join();
}

void Thread::join()
{
    if (handle.joinable() && handle.get_id() != std::this_thread::get_id()) {
        handle.join();
    }
}

void Thread::run() noexcept
{
    if (!body) {
        exitCode.store(failedExitCode);
        return;
    }
    try {
        body(notifier);
        exitCode.store(0);
    } catch (...) {
        exitCode.store(failedExitCode);
    }
}

} // namespace vantrel
