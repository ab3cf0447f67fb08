#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <thread>

#include <vantrel/image/Image.h>
#include <vantrel/screen/sdl/SdlWindowPresentTarget.h>
#include <vantrel/screen/sdl/SurfaceCopy.h>

using namespace vantrel;

namespace {

class SdlEvents : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    void TearDown() override
    {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }

    static int pendingEvents(Uint32 type)
    {
        SDL_PumpEvents();
        return SDL_PeepEvents(nullptr, 64, SDL_PEEKEVENT, type, type);
    }
};

// A frame whose pixel at (x, y) is 0x00YYYXXX, so every pixel says where it came from.
std::unique_ptr<Image> numberedFrame(std::uint32_t width, std::uint32_t height)
{
    auto frame = std::make_unique<Image>(width, height, PixelFormat::Bgrx32);
    for (std::uint32_t y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(frame->row(y));
        for (std::uint32_t x = 0; x < width; ++x) {
            row[x] = y << 12 | x;
        }
    }
    return frame;
}

std::uint32_t pixel(SDL_Surface* surface, int x, int y)
{
    return static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x] & 0xFFFFFF;
}

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Zero-filled, as SDL creates them.
Surface makeSurface(int width, int height, Uint32 format = SDL_PIXELFORMAT_XRGB8888)
{
    return Surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format), SDL_FreeSurface);
}

} // namespace

TEST_F(SdlEvents, PresentsFromAnotherThreadPostOneEventUntilFlushed)
{
    SdlWindowPresentTarget target(64, 48);
    ASSERT_NE(target.getEventType(), 0u);
    auto frame = numberedFrame(64, 48);
    std::thread worker([&] {
        target.present(*frame, Rect{1, 2, 5, 6});
        target.present(*frame, Rect{10, 20, 12, 21});
    });
    worker.join();
    EXPECT_EQ(pendingEvents(target.getEventType()), 1);

    Surface surface = makeSurface(64, 100);
    Rect written = target.flush(surface.get(), Point{0, 20});
    EXPECT_EQ(written, (Rect{1, 22, 12, 41}));
    EXPECT_EQ(pixel(surface.get(), 1, 22), 2u << 12 | 1u);
    EXPECT_EQ(pixel(surface.get(), 11, 40), 20u << 12 | 11u);
    // inside the union but presented by neither call: still the white staging frame
    EXPECT_EQ(pixel(surface.get(), 8, 30), 0xFFFFFFu);
    EXPECT_EQ(pixel(surface.get(), 0, 22), 0u);

    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EXPECT_EQ(target.flush(surface.get(), Point{0, 20}), Rect{});
    target.present(*frame, Rect{0, 0, 1, 1});
    EXPECT_EQ(pendingEvents(target.getEventType()), 1);
}

TEST_F(SdlEvents, RectanglesBeyondTheFrameOrSurfaceAreCut)
{
    SdlWindowPresentTarget target(64, 48);
    auto small = numberedFrame(32, 16);
    target.present(*small, Rect{-10, -10, 100, 100});
    Surface surface = makeSurface(20, 10);
    EXPECT_EQ(target.flush(surface.get(), Point{0, 0}), (Rect{0, 0, 20, 10}));
    EXPECT_EQ(pixel(surface.get(), 19, 9), 9u << 12 | 19u);

    target.present(*small, Rect{40, 40, 50, 50}); // outside the frame: nothing
    EXPECT_EQ(target.flush(surface.get(), Point{0, 0}), Rect{});

    auto wrongFormat = std::make_unique<Image>(64, 48, PixelFormat::Gray8);
    target.present(*wrongFormat, Rect{0, 0, 10, 10});
    EXPECT_EQ(target.flush(surface.get(), Point{0, 0}), Rect{});
}

TEST_F(SdlEvents, CopyConvertsToOtherSurfaceFormats)
{
    auto frame = numberedFrame(16, 16);
    Surface surface = makeSurface(16, 16, SDL_PIXELFORMAT_XBGR8888);
    EXPECT_EQ(copyToSurface(*frame, Rect{2, 3, 6, 7}, surface.get(), Point{-1, 12}),
              (Rect{0, 12, 3, 16}));
    std::uint32_t expected = 3u << 12 | 3u; // source (3, 3) lands at (0, 12)
    std::uint32_t swapped = (expected & 0xFF) << 16 | (expected & 0xFF00) | expected >> 16;
    EXPECT_EQ(pixel(surface.get(), 0, 12), swapped);
    EXPECT_EQ(copyToSurface(*frame, Rect{0, 0, 4, 4}, nullptr, Point{}), Rect{});
    EXPECT_EQ(copyToSurface(*frame, Rect{0, 0, 4, 4}, surface.get(), Point{16, 0}), Rect{});
}
