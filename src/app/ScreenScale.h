#pragma once

#include "platform/Geometry.h"

// The process-wide scale factors and the main window's place, all fixed once at start-up.
namespace ScreenScale {

inline constexpr int kMainWidth = 1127;
inline constexpr int kMainHeight = 740;

// 2 above 2400 x 1600, 1.5 above 1800 x 1200, else 1; both sides must exceed the bound.
float UiScaleFor(Size fullScreen);
// Logical pixels per inch over 96.
float DpiScaleFor(int logicalDpi);
// The base size times the scale, centred on the screen; a side larger than the screen starts at 0.
Rect MainWindowRect(Size fullScreen, float uiScale);

} // namespace ScreenScale
