#include <vantrel/screen/Screen.h>

#include <thread>

#include <vantrel/image/MemoryHelper.h>
#include <vantrel/screen/RenderLoop.h>

namespace vantrel {

namespace {

constexpr std::uint32_t bandBudgetBytes = 65536;

std::unique_ptr<Image> makeFrameBuffer(std::uint32_t width, std::uint32_t height)
{
    std::uint64_t pitch = std::uint64_t{width} * 4;
    if (pitch > 0xFFFFFFFFu) {
        throw std::bad_alloc();
    }
    auto pixels = MemoryHelper::allocateAligned(static_cast<std::size_t>(pitch * height));
    return std::make_unique<Image>(width, height, PixelFormat::Bgrx32,
                                   static_cast<std::uint32_t>(pitch), std::move(pixels));
}

std::uint32_t defaultWorkerCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

Screen::Screen(std::shared_ptr<IPresentTarget> target, std::uint32_t width, std::uint32_t height,
               std::uint32_t workerCount, FramePacer::Clock clock)
    : target(std::move(target)), width(width), height(height),
      workerCount(workerCount == 0 ? defaultWorkerCount() : workerCount),
      buffers{makeFrameBuffer(width, height), makeFrameBuffer(width, height)},
      pacer(std::move(clock))
{
    // One band of the frame is at most 64 KiB of pixels, so a band stays in L2.
    auto bandHeight = static_cast<std::uint32_t>(
        width == 0 ? height : bandBudgetBytes / (std::uint64_t{width} * 4));
    for (Layer& layer : layers) {
        layer.sprites = std::make_shared<SpriteManager>();
        layer.drawer = std::make_shared<ScreenDrawer>(layer.sprites, width, height, bandHeight);
    }
}

Screen::~Screen()
{
    try {
        stop();
    } catch (...) {
    }
}

void Screen::start()
{
    stop();
    {
        // The first frame covers everything: the buffers hold nothing yet, or a frame that
        // a stop interrupted.
        Lock guard(*this);
        invalidate();
    }
    renderThread.start([this](ThreadNotifier& notifier) { RenderLoop::run(*this, notifier); });
}

void Screen::stop()
{
    renderThread.stop();
}

void Screen::addTask(ScreenTask task)
{
    pendingTasks.push_back(std::move(task));
}

void Screen::invalidate()
{
    for (Layer& layer : layers) {
        layer.drawer->invalidate(Rect{0, 0, static_cast<std::int32_t>(layer.drawer->getWidth()),
                                      static_cast<std::int32_t>(layer.drawer->getHeight())});
    }
}

void Screen::setTransitionRule(std::shared_ptr<Image> rule)
{
    if (rule == transitionRule && ruleSoftness == 64) {
        return;
    }
    transitionRule = std::move(rule);
    ruleSoftness = 64;
    if (transitionLevel != 0 && transitionLevel != 255) {
        invalidate();
    }
}

bool Screen::isSettled()
{
    Lock guard(*this);
    for (const WorkerRecord& worker : workers) {
        if (!worker.done->isSignalled()) {
            return false;
        }
    }
    if (!workers.empty() && !presentEvent.isSignalled()) {
        return false;
    }
    // A layer that does not show at this level is not waited for.
    const bool shows[2] = {transitionLevel < 255, transitionLevel != 0};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const Layer& layer = layers[i];
        if (shows[i] && (!layer.dirty.isEmpty() || layer.drawer->ready.dirty ||
                         layer.drawer->pending.dirty)) {
            return false;
        }
    }
    return true;
}

void Screen::step(std::uint32_t time)
{
    pacer.frameTime = time;
    RenderLoop::iterate(*this, true);
}

} // namespace vantrel
