// render-frames [FOLDER]: steps a small scene with a fixed clock, no window and no threads,
// and writes frame-0.png ... frame-7.png into FOLDER (default: the current folder).
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include <vantrel/io/PngWriter.h>
#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>

namespace {

constexpr std::uint32_t width = 320;
constexpr std::uint32_t height = 180;
constexpr int frameCount = 8;

// A 48 x 48 ball: orange, its edge fading out (straight alpha).
std::shared_ptr<vantrel::Image> makeBall()
{
    constexpr int size = 48;
    auto ball = std::make_shared<vantrel::Image>(size, size, vantrel::PixelFormat::Bgra32);
    for (int y = 0; y < size; ++y) {
        unsigned char* pixel = ball->row(y);
        for (int x = 0; x < size; ++x, pixel += 4) {
            const int dx = 2 * x + 1 - size;
            const int dy = 2 * y + 1 - size;
            const int distance = dx * dx + dy * dy; // in quarter pixels squared
            const int edge = size * size;
            const int alpha = distance >= edge ? 0 : 255 * (edge - distance) / edge * 2;
            pixel[0] = 40;                                     // blue
            pixel[1] = static_cast<unsigned char>(140 + y);    // green
            pixel[2] = 255;                                    // red
            pixel[3] = static_cast<unsigned char>(alpha > 255 ? 255 : alpha);
        }
    }
    return ball;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    try {
        auto target = std::make_shared<vantrel::MemoryPresentTarget>(width, height);
        vantrel::Screen screen(target, width, height);

        // Layer 0: a night sky with a bouncing ball. Layer 1: a dawn sky it fades into.
        screen.createFillRectSprite(0, 1, vantrel::Rect{0, 0, width, height}, 0,
                                    vantrel::Color::rgb(16, 24, 64))->show();
        auto ball = screen.createImageSprite(0, 2, 0, 0, 1, makeBall());
        ball->show();
        screen.createFillRectSprite(1, 3, vantrel::Rect{0, 0, width, height}, 0,
                                    vantrel::Color::rgb(250, 190, 120))->show();
        screen.createFillRectSprite(1, 4, vantrel::Rect{0, 120, width, height}, 1,
                                    vantrel::Color::gray(60))->show();

        // Each iteration moves the ball and raises the cross-fade.
        screen.addTask([ball, iteration = 0](vantrel::Screen& s) mutable {
            const int x = 8 + iteration * 36;
            const int y = 120 - (iteration % 4) * (iteration % 4) * 12;
            ball->setPosition(x, y);
            s.setTransitionLevel(static_cast<std::uint8_t>(iteration * 255 / (frameCount + 1)));
            ++iteration;
            return false;
        });

        // A step presents the frame the previous step composed: the first one only composes.
        std::uint32_t time = 1000;
        screen.step(time);
        for (int frame = 0; frame < frameCount; ++frame) {
            screen.step(time += 1000 / 60);
            const std::string name = folder + "frame-" + std::to_string(frame) + ".png";
            vantrel::saveImage(name.c_str(), target->snapshot());
            std::printf("%s\n", name.c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render-frames: %s\n", e.what());
        return 1;
    }
    return 0;
}
