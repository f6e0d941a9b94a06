#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

enum class PaintKind { Fill, DrawImage, StretchBitmap, DrawString, SetPixel, DrawIcon };

// One Surface call as a test reads it back.
struct PaintOp {
    PaintKind kind = PaintKind::Fill;
    // Fill, DrawString and DrawIcon rectangle, StretchBitmap destination, SetPixel 1 x 1.
    Rect rect;
    RectF dest;  // DrawImage destination
    Rect source; // DrawImage and StretchBitmap, in picture pixels
    Colour colour = 0;
    std::u16string text;
    uint32_t flags = 0; // TextFlag values
    bool halftone = false;
    FontRequest font;
    // Where the picture came from: its path, "#<id>" for a resource, or "created".
    std::u16string image;
    int iconId = 0;
};

// One OnPaint of a window: the surface size, the rectangle that was invalid, and the calls.
struct PaintRecord {
    Size size;
    Rect invalid;
    std::vector<PaintOp> ops;
};
