#include <vantrel/screen/FrameBand.h>

#include <vantrel/image/DrawingOperations.h>
#include <vantrel/screen/RuleTable.h>

namespace vantrel {

FrameSnapshot makeFrameSnapshot(ScreenDrawer* layer0, ScreenDrawer* layer1,
                                Image& back, const Image& front, std::uint8_t level,
                                const Image* rule, std::uint8_t softness)
{
    FrameSnapshot frame;
    frame.first = layer0;
    frame.second = layer1;
    frame.back = &back;
    frame.front = &front;
    frame.level = level;
    frame.rule = rule;
    if (rule && layer0 && layer1) {
        frame.table = buildRuleTable(levelWeight(level), softness);
    }
    if (!frame.first) {
        frame.first = frame.second;
        frame.second = nullptr;
        frame.firstLayer = 1;
    }
    if (frame.first) {
        frame.bandHeight = frame.first->getBandHeight();
    }
    return frame;
}

namespace {

std::uint64_t area(const Rect& rect)
{
    return std::uint64_t(rect.width()) * std::uint64_t(rect.height());
}

} // namespace

void drawFrameBand(const FrameSnapshot& frame, Image& scratch, std::uint32_t band,
                   FrameBreakdown* breakdown)
{
    if (!frame.first) {
        return;
    }
    Rect sync = frame.first->repaintSpan(band);
    if (frame.second) {
        sync = unite(sync, frame.second->repaintSpan(band));
    }
    if (!sync.isEmpty()) {
        drawImage(*frame.back, nullptr, BlendMode::Normal, sync, *frame.front,
                  Point{sync.left, sync.top}, 255);
        if (breakdown) {
            breakdown->pixelsCopied += area(sync);
        }
    }
    DrawTally* firstTally = breakdown ? &breakdown->layers[frame.firstLayer] : nullptr;
    DrawTally* secondTally = breakdown ? &breakdown->layers[1] : nullptr;

    auto bandTop = static_cast<std::int32_t>(band * frame.bandHeight);
    Rect secondRect;
    if (frame.second) {
        secondRect = frame.second->drawBand(scratch, band, -bandTop, secondTally);
    }
    Rect drawn = unite(frame.first->drawBand(*frame.back, band, 0, firstTally), secondRect);
    if (!frame.second || drawn.isEmpty()) {
        return;
    }
    if (breakdown) {
        breakdown->pixelsBlended += area(drawn);
    }
    Point scratchPosition{drawn.left, drawn.top - bandTop};
    if (!frame.rule) {
        drawImage(*frame.back, nullptr, BlendMode::Normal, drawn, scratch, scratchPosition,
                  frame.level);
    } else if (frame.table.progress != 256) {
        drawTransition(*frame.back, drawn, scratch, scratchPosition, *frame.rule,
                       Point{drawn.left, drawn.top}, frame.table);
    } else {
        drawImage(*frame.back, nullptr, BlendMode::Normal, drawn, scratch, scratchPosition, 255);
    }
}

} // namespace vantrel
