#pragma once

#include "platform/Geometry.h"

// The class name the gallery writes above a control, in base units.
struct GalleryCaption {
    const char* label;
    Rect at;
};
