#pragma once

#include <atomic>
#include <memory>
#include <mutex>

namespace vantrel {

// The one process-wide instance of T, created on first use. T needs a public default
// constructor.
template <class T>
class Singleton {
public:
    virtual ~Singleton() = default;

    static std::shared_ptr<T> getInstance()
    {
        if (std::shared_ptr<T> existing = instance.load()) {
            return existing;
        }
        std::lock_guard<std::mutex> lock(creationLock);
        if (std::shared_ptr<T> existing = instance.load()) {
            return existing;
        }
        auto created = std::make_shared<T>();
        instance.store(created);
        return created;
    }

    // Drops the instance; it is destroyed now unless someone else still holds it.
    static void destroy()
    {
        if (!instance.load()) {
            return;
        }
        std::lock_guard<std::mutex> lock(creationLock);
        std::shared_ptr<T> released = instance.exchange(nullptr);
        released.reset();
    }

private:
    static inline std::atomic<std::shared_ptr<T>> instance;
    static inline std::mutex creationLock;
};

} // namespace vantrel
