#pragma once

#include <cstddef>
#include <tuple>
#include <utility>

#include <vantrel/image/kernels/BlendModes.h>
#include <vantrel/image/kernels/BlitKernel.h>
#include <vantrel/image/kernels/KernelJobs.h>
#include <vantrel/image/kernels/OpacityClasses.h>
#include <vantrel/image/kernels/PixelSources.h>
#include <vantrel/image/kernels/StretchKernel.h>
#include <vantrel/image/kernels/TransitionKernel.h>

// The whole kernel family of one instruction-set level, as constant dispatch tables. The
// index order is the selection order: modes 0, 1, 2, 3, other; formats 0, 1, 2, 3, other.
namespace vantrel::kernels {

using BlendModes = std::tuple<NormalMode, AddMode, SubtractMode, MultiplyMode, InverseMultiplyMode>;
using OpacityClasses = std::tuple<OpaqueClass, TranslucentClass>;
using ImageFormats =
    std::tuple<Gray8Source, Bgr24Source, GrayAlpha16Source, Bgra32Source, Bgrx32Source>;
// Transitions ignore alpha, so 3 and above all read the stored word.
using TransitionFormats = std::tuple<Gray8Source, Bgr24Source, GrayAlpha16Source, Bgrx32Source>;

template <class V, std::size_t mode, std::size_t opacity, std::size_t format>
constexpr void addImageKernels(KernelSet& set) noexcept
{
    using Mode = std::tuple_element_t<mode, BlendModes>;
    using Opacity = std::tuple_element_t<opacity, OpacityClasses>;
    using Format = std::tuple_element_t<format, ImageFormats>;
    set.image[mode][opacity][format] = &blitKernel<V, Mode, Opacity, Format>;
    set.stretch[mode][opacity][format] = &stretchKernel<V, Mode, Opacity, Format>;
    if constexpr (format == 0) {
        set.fill[mode][opacity] = &blitKernel<V, Mode, Opacity, SolidSource>;
        set.glyphs[mode][opacity] = &blitKernel<V, Mode, Opacity, CoverageSource>;
    }
}

template <class V>
constexpr KernelSet makeKernelSet() noexcept
{
    KernelSet set{};
    constexpr std::size_t perMode = opacityClassCount * formatCount;
    [&]<std::size_t... i>(std::index_sequence<i...>)
    {
        (addImageKernels<V, i / perMode, i / formatCount % opacityClassCount, i % formatCount>(set),
         ...);
    }
    (std::make_index_sequence<modeCount * perMode>{});
    [&]<std::size_t... f>(std::index_sequence<f...>)
    {
        ((set.transition[f] = &transitionKernel<V, std::tuple_element_t<f, TransitionFormats>>),
         ...);
    }
    (std::make_index_sequence<transitionFormatCount>{});
    return set;
}

} // namespace vantrel::kernels
