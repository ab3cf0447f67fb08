#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include <vantrel/io/IImageLoader.h>
#include <vantrel/io/IStreamReader.h>

struct png_struct_def;
struct png_info_def;

namespace vantrel {

/// Decodes a PNG stream into rows of Gray8, Bgr24, GrayAlpha16 or Bgra32 (straight alpha).
/// The constructor reads everything up to the image data; each load decodes one row.
class PngLoader : public IImageLoader {
public:
    /// Reads the header from `stream`; throws IoException for data that is not a usable PNG stream.
    explicit PngLoader(std::shared_ptr<IStreamReader> stream);
    ~PngLoader() override;
    PngLoader(const PngLoader&) = delete;
    PngLoader& operator=(const PngLoader&) = delete;

    /// The constructor refuses a picture whose decoded rows would take more bytes than this,
    /// before anything is reserved for them: a file of a few kilobytes can declare
    /// gigapixels. The default holds a 8192 x 8192 Bgra32 picture; it applies to loaders
    /// constructed after a change.
    static constexpr std::uint64_t defaultDecodedByteLimit = std::uint64_t{256} << 20;
    /// Sets the decoded-size limit for every loader constructed afterwards.
    static void setDecodedByteLimit(std::uint64_t bytes) noexcept;
    /// The decoded-size limit in force.
    static std::uint64_t getDecodedByteLimit() noexcept;

    /// Decodes every row, top first, into `pixels`, rows `pitch` bytes apart; instead of
    /// calls to load, not after them. An interlaced picture is rebuilt there pass by pass,
    /// where row by row it needs a whole copy of its own.
    void loadAll(unsigned char* pixels, std::size_t pitch);

protected:
    std::uint32_t getWidthImpl() override;
    std::uint32_t getHeightImpl() override;
    PixelFormat getFormatImpl() override;
    std::uint32_t getPitchImpl() override;
    /// Writes exactly getPitch bytes; `size` must be at least that.
    std::size_t loadImpl(void* destination, std::size_t size) override;

private:
    static void readProc(png_struct_def* png, unsigned char* data, std::size_t length);
    static bool readFromStream(png_struct_def* png, unsigned char* data, std::size_t length) noexcept;
    /// Whether the rest of the stream is long enough to inflate to `inflated` bytes.
    bool streamCanHold(std::uint64_t inflated);
    [[noreturn]] void failConstruction();
    void decodeInterlacedImage();

    std::shared_ptr<IStreamReader> stream;
    png_struct_def* png = nullptr;
    png_info_def* info = nullptr;
    png_info_def* endInfo = nullptr;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    PixelFormat format = PixelFormat::Gray8;

    /// Adam7 passes cannot be served one final row at a time, so the whole picture is
    /// decoded on the first load and handed out from here (loadAll needs no copy).
    bool interlaced = false;
    std::unique_ptr<unsigned char[]> interlacedPixels;
    std::uint32_t rowsDelivered = 0;
    /// After a libpng error the read structure must not be used again.
    bool failed = false;
};

} // namespace vantrel
