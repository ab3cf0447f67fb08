#include "scene/UniformDraw.h"

int drawUniform(std::mt19937& generator, int min, int max)
{
    const double r = static_cast<double>(generator());
    const double v = r / 4294967296.0 * (static_cast<double>(max) - min + 1.0) + min;
    if (v >= max) {
        return max;
    }
    return static_cast<int>(v);
}
