#include <vantrel/screen/FrameDispatcher.h>

#include <utility>

#include <vantrel/base/Exception.h>
#include <vantrel/image/MemoryHelper.h>
#include <vantrel/screen/FrameBand.h>
#include <vantrel/screen/ScreenState.h>
#include <vantrel/screen/WorkerBusyTimes.h>

namespace vantrel {

namespace {

struct WorkerContext {
    ScreenState* screen;
    std::uint32_t index;
    std::shared_ptr<Event> start;
    std::shared_ptr<Event> done;
    std::shared_ptr<unsigned char> scratch;
};

Image makeScratch(const ScreenDrawer& drawer, const Image& back,
                  std::shared_ptr<unsigned char> block)
{
    return Image(drawer.getWidth(), drawer.getBandHeight(), back.getFormat(), back.getPitch(),
                 std::move(block));
}

// Never negative: a page's threads read clocks that agree only to within a fraction of a
// millisecond, so a time taken on one thread can lie after one taken later on another.
std::uint64_t nanosecondsBetween(std::chrono::steady_clock::time_point start,
                                 std::chrono::steady_clock::time_point end)
{
    return end > start ? static_cast<std::uint64_t>(
                             std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count())
                       : 0;
}

// Waits for the next frame. A frame dispatched before the stop request is taken even when
// the request is seen first: the other workers count on this one's part, and the last of
// them publishes the frame. No frame is dispatched after the request, so one not yet
// dispatched then never comes.
bool waitForFrame(Event& start, ThreadNotifier& notifier)
{
    try {
        return start.isSignalled() || notifier.wait(start);
    } catch (const InterruptedException&) {
        if (start.isSignalled()) {
            return true;
        }
        throw;
    }
}

// Sets the present event when the last worker leaves its present, however it leaves.
struct PresentedOnExit {
    Event& event;
    ~PresentedOnExit() { event.set(); }
};

} // namespace

namespace {

class FrameWorker {
public:
    static void run(const WorkerContext& context, ThreadNotifier& notifier);
    static FrameSnapshot takeSnapshot(ScreenState& screen);
};

} // namespace

FrameSnapshot FrameWorker::takeSnapshot(ScreenState& screen)
{
    FrameJob& job = screen.frameJob;
    return makeFrameSnapshot(job.drawers[0].get(), job.drawers[1].get(), *screen.buffers[0],
                             *screen.buffers[1], job.level, job.rule.get(), job.softness);
}

void FrameWorker::run(const WorkerContext& context, ThreadNotifier& notifier)
{
    using Clock = std::chrono::steady_clock;
    ScreenState& screen = *context.screen;
    const ScreenDrawer& layer0 = *screen.layers[0].drawer;
    const std::uint32_t bandCount = layer0.getBandCount();
    Image scratch = makeScratch(layer0, *screen.buffers[0], context.scratch);
    FrameJob& job = screen.frameJob;
    const bool takesBands = screen.target->takesBands();

    for (;;) {
        if (!waitForFrame(*context.start, notifier)) {
            return;
        }
        Clock::time_point mark = Clock::now();
        const Clock::time_point woken = mark;
        context.start->reset();
        FrameSnapshot frame = takeSnapshot(screen);
        const Rect rect = job.rect;
        FrameBreakdown breakdown;
        breakdown.wakingNs = nanosecondsBetween(job.dispatchTime, mark);

        for (;;) {
            std::uint32_t band;
            {
                std::lock_guard<std::mutex> guard(job.jobLock);
                band = job.nextBand++;
            }
            Clock::time_point claimed = Clock::now();
            breakdown.claimingNs += nanosecondsBetween(mark, claimed);
            if (band >= bandCount) {
                break;
            }
            drawFrameBand(frame, scratch, band, &breakdown);
            mark = Clock::now();
            breakdown.drawingNs += nanosecondsBetween(claimed, mark);
            if (takesBands) {
                Rect rows = layer0.bandRows(band);
                Rect part = intersect(rect, Rect{rect.left, rows.top, rect.right, rows.bottom});
                if (!part.isEmpty()) {
                    screen.target->presentBand(*frame.back, part);
                    const Clock::time_point staged = Clock::now();
                    breakdown.presentingBandsNs += nanosecondsBetween(mark, staged);
                    mark = staged;
                }
            }
        }

        bool last;
        FrameBreakdown total;
        {
            std::lock_guard<std::mutex> guard(job.jobLock);
            last = --job.remaining == 0;
            job.breakdown.add(breakdown);
            total = job.breakdown;
        }
        const Image* newFront = nullptr;
        const Clock::time_point presentStart = Clock::now();
        if (last) {
            // Published before `done`, so no band of the next frame reaches the target
            // first, and before the wait, so a stop request that interrupts it leaves no
            // frame half handed over. The previous frame was published before this one
            // was dispatched.
            if (takesBands && !rect.isEmpty()) {
                screen.target->publish(rect);
            }
            // Not interruptible: the previous frame's presenter always sets the event,
            // even when its present throws, so this wait ends.
            screen.presentEvent.waitDeep(Event::infinite);
            screen.presentEvent.reset();
            std::swap(screen.buffers[0], screen.buffers[1]);
            newFront = screen.buffers[1].get();
        }
        auto dispatchTime = job.dispatchTime;
        addWorkerBusyNanoseconds(context.index, nanosecondsBetween(woken, Clock::now()));
        context.done->set();
        if (last) {
            PresentedOnExit presented{screen.presentEvent};
            if (!takesBands && !rect.isEmpty()) {
                screen.target->present(*newFront, rect);
            }
            if (screen.observer) {
                const Clock::time_point end = Clock::now();
                total.presentingNs = nanosecondsBetween(presentStart, end);
                screen.observer->frameTimed(nanosecondsBetween(dispatchTime, end));
                screen.observer->frameBrokenDown(total);
            }
        }
    }
}

void FrameDispatcher::createWorker(ScreenState& screen)
{
    WorkerRecord record{std::make_shared<Thread>(), std::make_shared<Event>(),
                        std::make_shared<Event>()};
    screen.workers.push_back(record);
    record.start->reset();
    record.done->set();
    const ScreenDrawer& layer0 = *screen.layers[0].drawer;
    WorkerContext context{&screen, static_cast<std::uint32_t>(screen.workers.size() - 1),
                          record.start, record.done,
                          MemoryHelper::allocateAligned(std::size_t{screen.buffers[0]->getPitch()} *
                                                        layer0.getBandHeight())};
    record.thread->start(
        [context](ThreadNotifier& notifier) { FrameWorker::run(context, notifier); });
}

void FrameDispatcher::stopWorkers(ScreenState& screen)
{
    // The records leave the Screen under its lock; the joins happen outside it, because no
    // thread waits for another while it holds the Screen lock.
    std::vector<WorkerRecord> stopping;
    {
        StateLock guard(screen.lock);
        stopping.swap(screen.workers);
    }
    for (WorkerRecord& worker : stopping) {
        worker.thread->requestStop();
    }
    for (WorkerRecord& worker : stopping) {
        worker.thread->stop();
        worker.thread.reset();
    }
}

bool FrameDispatcher::dispatchFrame(ScreenState& screen)
{
    StateLock guard(screen.lock);
    const std::uint8_t level = screen.transitionLevel;
    const bool withLayer0 = level < 255 && !screen.layers[0].dirty.isEmpty();
    const bool withLayer1 = level != 0 && !screen.layers[1].dirty.isEmpty();
    if (!withLayer0 && !withLayer1) {
        return false;
    }
    for (const WorkerRecord& worker : screen.workers) {
        if (!worker.done->isSignalled()) {
            return false;
        }
    }

    FrameJob& job = screen.frameJob;
    job.rect = Rect{};
    for (std::size_t i = 0; i < 2; ++i) {
        ScreenDrawer& drawer = *screen.layers[i].drawer;
        drawer.takeReadyFrame();
        bool takesPart = i == 0 ? withLayer0 : withLayer1;
        job.drawers[i] = takesPart ? screen.layers[i].drawer : nullptr;
        if (takesPart) {
            job.rect = unite(job.rect, drawer.getCurrentRect());
        }
    }
    job.nextBand = 0;
    job.remaining = screen.workers.size();
    job.level = level;
    job.rule = screen.transitionRule;
    job.softness = screen.ruleSoftness;
    job.breakdown = FrameBreakdown{};
    job.dispatchTime = std::chrono::steady_clock::now();

    for (const WorkerRecord& worker : screen.workers) {
        worker.done->reset();
        worker.start->set();
    }
    screen.pacer.frameDispatched = true;
    return true;
}

void FrameDispatcher::drawOnCallingThread(ScreenState& screen)
{
    const auto start = std::chrono::steady_clock::now();
    const ScreenDrawer& layer0 = *screen.layers[0].drawer;
    Image scratch(layer0.getWidth(), layer0.getBandHeight(), PixelFormat::Bgrx32);
    FrameSnapshot frame = FrameWorker::takeSnapshot(screen);
    for (std::uint32_t band = 0; band < layer0.getBandCount(); ++band) {
        drawFrameBand(frame, scratch, band);
    }
    std::swap(screen.buffers[0], screen.buffers[1]);
    if (!screen.frameJob.rect.isEmpty()) {
        screen.target->present(*screen.buffers[1], screen.frameJob.rect);
    }
    const auto end = std::chrono::steady_clock::now();
    addWorkerBusyNanoseconds(0, nanosecondsBetween(start, end));
    if (screen.observer) {
        screen.observer->frameTimed(nanosecondsBetween(screen.frameJob.dispatchTime, end));
    }
}

} // namespace vantrel
