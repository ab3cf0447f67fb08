#include "bench/scene/ProgressLine.h"

#include "bench/scene/ProcessFigures.h"

#include <algorithm>

ProgressLine::ProgressLine(std::FILE* out, bool wanted) : out(out), shown(wanted && isTerminal(out)) {}

ProgressLine::~ProgressLine()
{
    finish();
}

void ProgressLine::update(const std::string& newText)
{
    std::lock_guard<std::mutex> guard(lock);
    if (!shown) {
        return;
    }
    text = newText;
    draw();
}

void ProgressLine::printAbove(std::FILE* stream, const char* line)
{
    std::lock_guard<std::mutex> guard(lock);
    clear();
    std::fputs(line, stream);
    std::fflush(stream);
    if (shown && !text.empty()) {
        draw();
    }
}

void ProgressLine::finish()
{
    std::lock_guard<std::mutex> guard(lock);
    clear();
    shown = false;
}

// Carriage returns and spaces only: every terminal, also a console without escape sequences,
// understands them.
void ProgressLine::clear()
{
    if (!shown || drawnLength == 0) {
        return;
    }
    std::fprintf(out, "\r%*s\r", static_cast<int>(drawnLength), "");
    std::fflush(out);
    drawnLength = 0;
}

void ProgressLine::draw()
{
    std::size_t length = text.size();
    std::fprintf(out, "\r%s%*s", text.c_str(), static_cast<int>(drawnLength > length ? drawnLength - length : 0), "");
    std::fflush(out);
    drawnLength = std::max(drawnLength, length);
}
