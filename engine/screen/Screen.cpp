#include <vantrel/screen/Screen.h>

#include <thread>

#include <vantrel/image/MemoryHelper.h>
#include <vantrel/screen/RenderLoop.h>
#include <vantrel/screen/ScreenState.h>

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

ScreenState::ScreenState(Screen& screen, std::shared_ptr<IPresentTarget> target, std::uint32_t width,
                         std::uint32_t height, std::uint32_t workerCount, FramePacer::Clock clock)
    : screen(screen), target(std::move(target)), width(width), height(height),
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

Screen::Screen(std::shared_ptr<IPresentTarget> target, std::uint32_t width, std::uint32_t height,
               std::uint32_t workerCount, Clock clock)
    : state(std::make_unique<ScreenState>(*this, std::move(target), width, height, workerCount,
                                          std::move(clock)))
{
}

Screen::~Screen()
{
    try {
        stop();
    } catch (...) {
    }
}

Screen::Lock::Lock(Screen& screen) : screen(screen)
{
    screen.state->lock.lock();
}

Screen::Lock::~Lock()
{
    screen.state->lock.unlock();
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
    ScreenState& s = *state;
    s.renderThread.start([&s](ThreadNotifier& notifier) { RenderLoop::run(s, notifier); });
}

void Screen::stop()
{
    state->renderThread.stop();
}

void Screen::addTask(ScreenTask task)
{
    state->pendingTasks.push_back(std::move(task));
}

void Screen::invalidate()
{
    for (Layer& layer : state->layers) {
        layer.drawer->invalidate(Rect{0, 0, static_cast<std::int32_t>(layer.drawer->getWidth()),
                                      static_cast<std::int32_t>(layer.drawer->getHeight())});
    }
}

void Screen::setTransitionLevel(std::uint8_t level)
{
    if (level == state->transitionLevel) {
        return;
    }
    state->transitionLevel = level;
    invalidate();
}

std::uint8_t Screen::getTransitionLevel() const noexcept
{
    return state->transitionLevel;
}

void Screen::setTransitionRule(std::shared_ptr<Image> rule)
{
    ScreenState& s = *state;
    if (rule == s.transitionRule && s.ruleSoftness == 64) {
        return;
    }
    s.transitionRule = std::move(rule);
    s.ruleSoftness = 64;
    if (s.transitionLevel != 0 && s.transitionLevel != 255) {
        invalidate();
    }
}

const std::shared_ptr<Image>& Screen::getTransitionRule() const noexcept
{
    return state->transitionRule;
}

std::uint8_t Screen::getRuleSoftness() const noexcept
{
    return state->ruleSoftness;
}

std::uint32_t Screen::frameTime() const noexcept
{
    return state->pacer.frameTime;
}

bool Screen::frameDispatched() const noexcept
{
    return state->pacer.frameDispatched;
}

std::uint32_t Screen::getWidth() const noexcept
{
    return state->width;
}

std::uint32_t Screen::getHeight() const noexcept
{
    return state->height;
}

std::uint32_t Screen::getWorkerCount() const noexcept
{
    return state->workerCount;
}

SpriteManager& Screen::getSprites(std::uint8_t layerIndex)
{
    return *state->layers.at(layerIndex).sprites;
}

ScreenDrawer& Screen::getDrawer(std::uint8_t layerIndex)
{
    return *state->layers.at(layerIndex).drawer;
}

std::pair<std::shared_ptr<SpriteManager>, std::shared_ptr<ScreenDrawer>>
Screen::layerParts(std::uint8_t layerIndex) const
{
    const Layer& layer = state->layers.at(layerIndex);
    return {layer.sprites, layer.drawer};
}

void Screen::setObserver(std::shared_ptr<IScreenObserver> observer)
{
    state->observer = std::move(observer);
}

const Image& Screen::getFrontBuffer() const noexcept
{
    return *state->buffers[1];
}

bool Screen::isSettled()
{
    ScreenState& s = *state;
    StateLock guard(s.lock);
    for (const WorkerRecord& worker : s.workers) {
        if (!worker.done->isSignalled()) {
            return false;
        }
    }
    if (!s.workers.empty() && !s.presentEvent.isSignalled()) {
        return false;
    }
    // A layer that does not show at this level is not waited for.
    const bool shows[2] = {s.transitionLevel < 255, s.transitionLevel != 0};
    for (std::size_t i = 0; i < s.layers.size(); ++i) {
        const Layer& layer = s.layers[i];
        if (shows[i] && (!layer.dirty.isEmpty() || layer.drawer->hasReadyFrame() ||
                         layer.drawer->hasPendingChanges())) {
            return false;
        }
    }
    return true;
}

void Screen::step(std::uint32_t time)
{
    state->pacer.frameTime = time;
    RenderLoop::iterate(*state, true);
}

} // namespace vantrel
