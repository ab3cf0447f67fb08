#pragma once

#include <memory>
#include <mutex>

namespace vantrel {

/// The one process-wide instance of T, created on first use. T needs a public default
/// constructor. Every access takes the creation lock: it is uncontended after start-up, and
/// GCC 12's atomic shared pointer releases its own lock too weakly to be trusted here.
template <class T>
class Singleton {
public:
    virtual ~Singleton() = default;

    /// The one instance, created on first use.
    static std::shared_ptr<T> getInstance()
    {
        std::lock_guard<std::mutex> lock(creationLock);
        if (!instance) {
            instance = std::make_shared<T>();
        }
        return instance;
    }

    /// Drops the instance; it is destroyed now unless someone else still holds it.
    static void destroy()
    {
        std::lock_guard<std::mutex> lock(creationLock);
        std::shared_ptr<T> released = std::move(instance);
        released.reset();
    }

private:
    static inline std::shared_ptr<T> instance;
    static inline std::mutex creationLock;
};

} // namespace vantrel
