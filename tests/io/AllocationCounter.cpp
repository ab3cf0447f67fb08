#include "tests/io/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(__SANITIZE_MEMORY__)
#define VANTREL_SANITIZED_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VANTREL_SANITIZED_HEAP 1
#endif
#endif

namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

} // namespace

#ifndef VANTREL_SANITIZED_HEAP

// The C library's own allocator, under the names it exports for replacements to call.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
void __libc_free(void* pointer);
}

namespace {

void* counted(void* pointer)
{
    if (pointer != nullptr) {
        std::size_t now = held.fetch_add(malloc_usable_size(pointer), std::memory_order_relaxed) +
                          malloc_usable_size(pointer);
        std::size_t seen = peak.load(std::memory_order_relaxed);
        while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
        }
    }
    return pointer;
}

void uncount(void* pointer)
{
    if (pointer != nullptr) {
        held.fetch_sub(malloc_usable_size(pointer), std::memory_order_relaxed);
    }
}

} // namespace

extern "C" {

void* malloc(std::size_t size)
{
    return counted(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size)
{
    return counted(__libc_calloc(count, size));
}

void* realloc(void* pointer, std::size_t size)
{
    std::size_t before = pointer != nullptr ? malloc_usable_size(pointer) : 0;
    void* moved = __libc_realloc(pointer, size);
    if (moved != nullptr || size == 0) {
        held.fetch_sub(before, std::memory_order_relaxed);
        counted(moved);
    }
    return moved;
}

void free(void* pointer)
{
    uncount(pointer);
    __libc_free(pointer);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) {
        return EINVAL;
    }
    void* pointer = counted(__libc_memalign(alignment, size));
    if (pointer == nullptr) {
        return ENOMEM;
    }
    *result = pointer;
    return 0;
}

void* valloc(std::size_t size)
{
    return counted(__libc_valloc(size));
}

void* pvalloc(std::size_t size)
{
    return counted(__libc_pvalloc(size));
}

} // extern "C"

bool allocationCountingAvailable()
{
    return true;
}

#else

bool allocationCountingAvailable()
{
    return false;
}

#endif

std::size_t allocatedBytesNow()
{
    return held.load();
}

AllocationScope::AllocationScope() : baseline(held.load())
{
    peak.store(baseline);
}

std::size_t AllocationScope::peakBytes() const
{
    std::size_t top = peak.load();
    return top > baseline ? top - baseline : 0;
}

double AllocationScope::milliseconds() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void AllocationScope::print(const char* label) const
{
    if (allocationCountingAvailable()) {
        std::printf("[ figures  ] %s: %.1f ms, at most %.2f MiB allocated\n", label, milliseconds(),
                    static_cast<double>(peakBytes()) / (1 << 20));
    } else {
        std::printf("[ figures  ] %s: %.1f ms\n", label, milliseconds());
    }
}
