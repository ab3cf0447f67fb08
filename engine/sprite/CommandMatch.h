#pragma once

#include <vantrel/sprite/DrawCommand.h>

// Telling whether a band's commands stayed the same from one frame to the next.

namespace vantrel {

inline bool sameColor(const Color& a, const Color& b)
{
    return a.isRgb == b.isRgb && a.red == b.red && a.green == b.green && a.blue == b.blue;
}

inline bool samePoint(const Point& a, const Point& b)
{
    return a.x == b.x && a.y == b.y;
}

// Whether two commands draw the same pixels. Their images and glyphs are compared by
// address: what a command points to stays alive and unchanged while anybody holds it.
inline bool sameCommand(const DrawCommand& a, const DrawCommand& b)
{
    if (a.kind != b.kind || a.blendMode != b.blendMode || a.opacity != b.opacity ||
        !(a.bounds == b.bounds)) {
        return false;
    }
    switch (a.kind) {
    case DrawCommandKind::Fill:
        return sameColor(a.color, b.color);
    case DrawCommandKind::Glyphs:
        return samePoint(a.origin, b.origin) && a.glyphs == b.glyphs && a.count == b.count &&
               sameColor(a.color, b.color);
    case DrawCommandKind::ImageRect:
        return a.sourceRect == b.sourceRect && a.image == b.image && a.smooth == b.smooth;
    default:
        return samePoint(a.sourcePosition, b.sourcePosition) && a.image == b.image;
    }
}

inline bool touchesRows(const DrawCommand& command, const Rect& rows)
{
    return command.bounds.bottom > rows.top && command.bounds.top < rows.bottom;
}

} // namespace vantrel
