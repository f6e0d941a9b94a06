#pragma once

#include "platform/Geometry.h"

// Where the bottom part of a fill picture goes: the destination on the dialog and the source
// rectangle (edges) in picture pixels. The fill grows from the bottom of its rectangle and always
// shows the bottom part of the picture.
struct FillPlacement {
    RectF dest;
    Rect source;
};

// A vertical level bar of `count` levels showing `level` (0 to count - 1).
FillPlacement LevelBarFill(const Rect& bar, int level, int count, Size picture, float scale);

// The battery gauge's fill for a percentage; the fill area is fillHeight picture pixels high and
// starts fillTop pixels below the picture's top. Even 0 percent shows one pixel.
FillPlacement BatteryFill(const Rect& gauge, int percent, int fillTop, int fillHeight, Size picture,
                          float scale);
