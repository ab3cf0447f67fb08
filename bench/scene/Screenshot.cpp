#include "bench/scene/Screenshot.h"

#include <vantrel/io/PngWriter.h>

void writeScreenshot(const std::string& path, const vantrel::Image& frame)
{
    vantrel::saveImage(path.c_str(), frame);
}
