#include "scene/FrameRateTask.h"

#include <cstdio>
#include <utility>

#include <vantrel/sprite/TextSprite.h>
#include "scene/SceneFonts.h"

double FrameRateMeter::record(std::uint32_t now)
{
    if (lastTime != 0 && lastTime < now) {
        const std::uint32_t slot = next == intervals.size() ? 0 : next;
        intervals[slot] = now - lastTime;
        next = slot + 1;
    }
    lastTime = now;
    std::uint32_t count = 0;
    std::uint32_t sum = 0;
    for (std::uint32_t interval : intervals) {
        if (interval != empty) {
            ++count;
            sum += interval;
        }
    }
    return sum != 0 ? count * 1000.0 / sum : 0.0;
}

std::string formatFrameRate(double rate, unsigned screenNumber)
{
    char text[64];
    int length = std::snprintf(text, sizeof text, "%.3f fps : screen(%u)", rate, screenNumber);
    if (length < 0) {
        return {};
    }
    return std::string(text, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof text - 1));
}

void FrameRateTask::setUp(vantrel::Screen& screen, std::shared_ptr<ReadoutBoard> board)
{
    auto font = std::make_shared<vantrel::Font>(readoutFaceName, 0, 32, false, false);
    screen.addTask(FrameRateTask(std::move(font), std::move(board)));
}

FrameRateTask::FrameRateTask(std::shared_ptr<vantrel::Font> font, std::shared_ptr<ReadoutBoard> board)
    : font(std::move(font)), board(std::move(board))
{
}

bool FrameRateTask::operator()(vantrel::Screen& screen)
{
    if (!screen.frameDispatched()) {
        return false;
    }
    const double rate = meter.record(screen.frameTime());
    if (board) {
        board->setFrameRate(rate);
    }
    for (unsigned screenNumber = 1; screenNumber <= 2; ++screenNumber) {
        const auto layer = static_cast<std::uint8_t>(screenNumber - 1);
        const std::string text = formatFrameRate(rate, screenNumber);
        screen.getSprites(layer).remove(textId);
        auto line = screen.createTextSprite(layer, textId, 0, 0, 600, text.c_str(), text.size(), *font,
                                            vantrel::Color::gray(255));
        line->show();
        auto shadow = screen.createTextSprite(layer, textId, 2, 2, 599, text.c_str(), text.size(), *font,
                                              vantrel::Color::gray(64));
        shadow->show();
    }
    return false;
}
