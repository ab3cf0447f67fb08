#pragma once

#include <cstdio>
#include <mutex>
#include <string>

// One line at the bottom of a terminal that a long run rewrites in place. Nothing at all
// is written when the stream is not a terminal or the line is not wanted (--json).
class ProgressLine {
public:
    ProgressLine(std::FILE* out, bool wanted);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void update(const std::string& text);
    // Writes `line` (with its newline) to `stream` above the progress line.
    void printAbove(std::FILE* stream, const char* line);
    // Takes the line away for good; the results follow where it was.
    void finish();

private:
    void clear();
    void draw();

    std::mutex lock;
    std::FILE* out;
    bool shown;
    std::string text;
    std::size_t drawnLength = 0;
};
