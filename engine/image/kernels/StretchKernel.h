#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include <vantrel/image/kernels/BlendModes.h>
#include <vantrel/image/kernels/KernelJobs.h>
#include <vantrel/image/kernels/PixelSources.h>
#include <vantrel/image/kernels/PixelWord.h>
#include <vantrel/image/kernels/RowBlender.h>
#include <vantrel/image/kernels/StretchScratch.h>

namespace vantrel::kernels {

// stretchImage. Every destination row shares one column table, built once per call. A row
// is first sampled into words (nearest, or mixed across columns, then across rows), then
// blended like an unscaled copy; opaque Normal copies of sources without alpha sample
// straight into the destination instead.
template <class V, class Mode, class Opacity, class Format>
class Stretcher {
public:
    explicit Stretcher(const StretchJob& job)
        : job(job), opacity(job.weight), n(job.width),
          first(static_cast<std::uint32_t>(job.x0 >> 16)), span(wordsNeeded(job, first)),
          scratch(stretchBuffers(n, stored ? 0 : span,
                                 V::hasPermute ? std::size_t{n / groupSize} * groupWords : 0))
    {
        buildColumns();
    }

    void run()
    {
        if (job.smooth) {
            runSmooth();
        } else {
            runNearest();
        }
    }

private:
    using Sampled = StoredWordSource<Format::hasAlpha, Format::topByteZero>;
    static constexpr bool stored = Format::bytesPerPixel == 4;
    static constexpr bool direct =
        std::is_same_v<Mode, NormalMode> && Opacity::opaque && !Format::hasAlpha;
    // Columns go in groups of one register: their offsets from the group's first column,
    // then the mixing weights.
    static constexpr std::uint32_t groupSize = V::lanes == 0 ? 1 : V::lanes;
    static constexpr std::uint32_t groupWords = 3 * groupSize;

    static unsigned char* bytes(std::uint32_t* words) noexcept
    {
        return reinterpret_cast<unsigned char*>(words);
    }

    // Source words a row needs from the first column on: up to the last column, or the
    // column after the last mixed one.
    static std::uint32_t wordsNeeded(const StretchJob& job, std::uint32_t first) noexcept
    {
        const auto columnOf = [&](std::uint32_t i) {
            return static_cast<std::uint32_t>(((job.x0 + i * job.stepX) >> 16) - first);
        };
        std::uint32_t words = columnOf(job.width - 1) + 1;
        if (job.smooth && job.mixedColumns > 0 && columnOf(job.mixedColumns - 1) + 2 > words) {
            words = columnOf(job.mixedColumns - 1) + 2;
        }
        return words;
    }

    // Byte pairs (64 - f, f) for every channel of a group, in the order the mixing unpacks
    // them: per 128-bit lane q, pixels 4q and 4q + 1 in the first half, 4q + 2 and 4q + 3 in
    // the second.
    static void mixWeights(const std::uint8_t* fractions, std::uint32_t* out) noexcept
    {
        for (std::uint32_t q = 0; q < groupSize / 4; ++q) {
            for (std::uint32_t j = 0; j < 2; ++j) {
                for (std::uint32_t half = 0; half < 2; ++half) {
                    const std::uint32_t f = fractions[4 * q + 2 * half + j];
                    const std::uint32_t pairs = ((64 - f) | f << 8) * 0x00010001u;
                    std::uint32_t* at = out + half * groupSize + 4 * q + 2 * j;
                    at[0] = pairs;
                    at[1] = pairs;
                }
            }
        }
    }

    void buildColumns()
    {
        std::uint32_t* columns = scratch.columns;
        std::uint8_t* fractions = scratch.fractions;
        std::uint64_t x = job.x0;
        for (std::uint32_t i = 0; i < n; ++i, x += job.stepX) {
            columns[i] = static_cast<std::uint32_t>((x >> 16) - first);
            fractions[i] =
                job.smooth && i < job.mixedColumns ? static_cast<std::uint8_t>((x >> 10) & 63) : 0;
        }
        if constexpr (V::hasPermute) {
            // A group loads one register of words (and the next word when mixing) from its
            // first column; only enlargements keep a group's columns within those.
            if (job.stepX > 65536) {
                return;
            }
            const std::uint64_t available = stored ? job.sourceWidth - first : span;
            const std::uint64_t reach = job.smooth ? groupSize + 1 : groupSize;
            const std::uint32_t count = n / groupSize;
            for (std::uint32_t g = 0; g < count; ++g) {
                const std::uint32_t base = columns[groupSize * g];
                if (base + reach > available) {
                    break;
                }
                std::uint32_t* data = &scratch.groups[std::size_t{g} * groupWords];
                for (std::uint32_t j = 0; j < groupSize; ++j) {
                    data[j] = columns[groupSize * g + j] - base;
                }
                if (job.smooth) {
                    mixWeights(&fractions[groupSize * g], data + groupSize);
                }
                ++vectorGroups;
            }
        }
    }

    // Row r of the source from the first column on, as words.
    const unsigned char* sourceRow(std::uint32_t r)
    {
        const unsigned char* row = job.source + std::size_t{r} * job.sourcePitch +
                                   std::size_t{first} * Format::bytesPerPixel;
        if constexpr (stored) {
            return row;
        } else {
            unsigned char* out = bytes(scratch.decoded);
            if (r != decodedRow) {
                decodedRow = r;
                std::uint32_t i = 0;
                if constexpr (V::lanes != 0) {
                    for (; i + V::lanes <= span; i += V::lanes) {
                        V::store(out + 4 * std::size_t{i},
                                 Format::template words<V>(row + Format::bytesPerPixel * i));
                    }
                }
                if constexpr (V::hasPartial) {
                    if (i < span) {
                        V::storePartial(out + 4 * std::size_t{i},
                                        Format::template partialWords<V>(
                                            row + Format::bytesPerPixel * i, span - i),
                                        span - i);
                    }
                } else {
                    for (; i < span; ++i) {
                        storeWord(out + 4 * std::size_t{i},
                                  Format::word(row + Format::bytesPerPixel * i));
                    }
                }
            }
            return out;
        }
    }

    void sampleColumns(const unsigned char* words, unsigned char* out) const noexcept
    {
        const auto* columns = scratch.columns;
        std::uint32_t i = 0;
        if constexpr (V::hasPermute) {
            for (std::uint32_t g = 0; g < vectorGroups; ++g) {
                const std::uint32_t* order = &scratch.groups[std::size_t{g} * groupWords];
                const unsigned char* p = words + 4 * std::size_t{columns[groupSize * g]};
                V::store(out + 4 * std::size_t{groupSize} * g, V::permuteWords(V::load(p), order));
            }
            i = vectorGroups * groupSize;
        }
        for (; i < n; ++i) {
            storeWord(out + 4 * std::size_t{i}, loadWord(words + 4 * std::size_t{columns[i]}));
        }
    }

    void mixColumns(const unsigned char* words, unsigned char* out) const noexcept
    {
        const auto* columns = scratch.columns;
        const auto* fractions = scratch.fractions;
        std::uint32_t i = 0;
        if constexpr (V::hasPermute) {
            for (std::uint32_t g = 0; g < vectorGroups; ++g) {
                const std::uint32_t* data = &scratch.groups[std::size_t{g} * groupWords];
                const unsigned char* p = words + 4 * std::size_t{columns[groupSize * g]};
                const auto left = V::permuteWords(V::load(p), data);
                const auto right = V::permuteWords(V::load(p + 4), data);
                V::store(out + 4 * std::size_t{groupSize} * g,
                         V::mixWords(left, right, data + groupSize));
            }
            i = vectorGroups * groupSize;
        }
        for (; i < job.mixedColumns; ++i) {
            const unsigned char* p = words + 4 * std::size_t{columns[i]};
            storeWord(out + 4 * std::size_t{i},
                      lerpWord(loadWord(p), loadWord(p + 4), fractions[i]));
        }
        for (; i < n; ++i) {
            storeWord(out + 4 * std::size_t{i}, loadWord(words + 4 * std::size_t{columns[i]}));
        }
    }

    void mixRows(const unsigned char* upper, const unsigned char* lower, std::uint32_t f,
                 unsigned char* out) const noexcept
    {
        std::uint32_t i = 0;
        if constexpr (V::lanes != 0) {
            const auto weights = V::rowMixWeights(f);
            for (; i + V::lanes <= n; i += V::lanes) {
                const std::size_t at = 4 * std::size_t{i};
                V::store(out + at, V::mixRows(V::load(upper + at), V::load(lower + at), weights));
            }
        }
        if constexpr (V::hasPartial) {
            if (i < n) {
                const std::size_t at = 4 * std::size_t{i};
                V::storePartial(out + at,
                                V::mixRows(V::loadPartial(upper + at, n - i),
                                           V::loadPartial(lower + at, n - i), V::rowMixWeights(f)),
                                n - i);
            }
        } else {
            for (; i < n; ++i) {
                const std::size_t at = 4 * std::size_t{i};
                storeWord(out + at, lerpWord(loadWord(upper + at), loadWord(lower + at), f));
            }
        }
    }

    // Source row r mixed across columns, kept in one of two slots; `keep` names the row
    // whose slot must survive.
    const unsigned char* mixedRow(std::uint32_t r, std::uint32_t keep)
    {
        for (int slot = 0; slot < 2; ++slot) {
            if (mixedKeys[slot] == r) {
                return bytes(scratch.mixed[slot]);
            }
        }
        const int slot = mixedKeys[0] == keep ? 1 : 0;
        mixColumns(sourceRow(r), bytes(scratch.mixed[slot]));
        mixedKeys[slot] = r;
        return bytes(scratch.mixed[slot]);
    }

    void runNearest()
    {
        unsigned char* d = job.destination;
        unsigned char* sampled = bytes(scratch.sampled);
        std::uint64_t y = job.y0;
        std::int64_t previous = -1;
        for (std::uint32_t k = 0; k < job.height; ++k, d += job.destinationPitch, y += job.stepY) {
            const auto r = static_cast<std::uint32_t>(y >> 16);
            if constexpr (direct) {
                if (r == previous) {
                    std::memcpy(d, d - job.destinationPitch, 4 * std::size_t{n});
                } else {
                    sampleColumns(sourceRow(r), d);
                }
            } else {
                if (r != previous) {
                    sampleColumns(sourceRow(r), sampled);
                }
                blendRow<V, Mode>(d, sampled, n, opacity, Sampled(0));
            }
            previous = r;
        }
    }

    void runSmooth()
    {
        unsigned char* d = job.destination;
        std::uint64_t y = job.y0;
        for (std::uint32_t k = 0; k < job.height; ++k, d += job.destinationPitch, y += job.stepY) {
            const auto r = static_cast<std::uint32_t>(y >> 16);
            const auto f = static_cast<std::uint32_t>((y >> 10) & 63);
            const unsigned char* row = mixedRow(r, r + 1);
            if (r != job.lastRow && f != 0) {
                unsigned char* out = direct ? d : bytes(scratch.sampled);
                mixRows(row, mixedRow(r + 1, r), f, out);
                row = out;
            }
            if constexpr (direct) {
                if (row != d) {
                    std::memcpy(d, row, 4 * std::size_t{n});
                }
            } else {
                blendRow<V, Mode>(d, row, n, opacity, Sampled(0));
            }
        }
    }

    const StretchJob& job;
    const Opacity opacity;
    const std::uint32_t n;
    const std::uint32_t first; // the source column of the first destination column
    const std::uint32_t span;  // source words a row needs from `first` on
    const StretchBuffers scratch;
    std::uint32_t vectorGroups = 0;
    std::int64_t decodedRow = -1;
    std::int64_t mixedKeys[2] = {-1, -1};
};

template <class V, class Mode, class Opacity, class Format>
void stretchKernel(const StretchJob& job)
{
    Stretcher<V, Mode, Opacity, Format>(job).run();
}

} // namespace vantrel::kernels
