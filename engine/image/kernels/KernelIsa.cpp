#include <vantrel/image/kernels/KernelIsa.h>

#include <atomic>

#include <vantrel/image/kernels/KernelSets.h>

namespace vantrel {

namespace {

constexpr int unset = -1;
constinit std::atomic<int> activeLevel{unset};

KernelIsa detectBest() noexcept
{
#if defined(VANTREL_X86_KERNELS)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) {
        return KernelIsa::Avx512;
    }
    if (__builtin_cpu_supports("avx2")) {
        return KernelIsa::Avx2;
    }
    return KernelIsa::Sse2;
#elif defined(VANTREL_WASM_KERNELS)
    // The SSE2 level, which Emscripten builds from WebAssembly SIMD instructions.
    return KernelIsa::Sse2;
#else
    return KernelIsa::Scalar;
#endif
}

} // namespace

KernelIsa bestKernelIsa() noexcept
{
    static const KernelIsa best = detectBest();
    return best;
}

KernelIsa activeKernelIsa() noexcept
{
    int level = activeLevel.load(std::memory_order_relaxed);
    if (level == unset) {
        level = static_cast<int>(bestKernelIsa());
        activeLevel.store(level, std::memory_order_relaxed);
    }
    return static_cast<KernelIsa>(level);
}

KernelIsa selectKernelIsa(KernelIsa wanted) noexcept
{
    const KernelIsa level = wanted < bestKernelIsa() ? wanted : bestKernelIsa();
    activeLevel.store(static_cast<int>(level), std::memory_order_relaxed);
    return level;
}

const char* kernelIsaName(KernelIsa isa) noexcept
{
    switch (isa) {
    case KernelIsa::Scalar:
        return "scalar";
    case KernelIsa::Sse2:
        return "sse2";
    case KernelIsa::Avx2:
        return "avx2";
    case KernelIsa::Avx512:
        return "avx512";
    }
    return "unknown";
}

namespace kernels {

const KernelSet& activeKernelSet() noexcept
{
    switch (activeKernelIsa()) {
#if defined(VANTREL_X86_KERNELS)
    case KernelIsa::Avx512:
        return avx512KernelSet();
    case KernelIsa::Avx2:
        return avx2KernelSet();
    case KernelIsa::Sse2:
        return sse2KernelSet();
#elif defined(VANTREL_WASM_KERNELS)
    case KernelIsa::Sse2:
        return sse2KernelSet();
#endif
    default:
        return scalarKernelSet();
    }
}

} // namespace kernels

} // namespace vantrel
