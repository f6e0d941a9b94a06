#include "app/ScreenScale.h"

namespace ScreenScale {

float UiScaleFor(Size fullScreen) {
    if (fullScreen.width > 2400 && fullScreen.height > 1600)
        return 2.0f;
    if (fullScreen.width > 1800 && fullScreen.height > 1200)
        return 1.5f;
    return 1.0f;
}

float DpiScaleFor(int logicalDpi) {
    return logicalDpi > 0 ? static_cast<float>(logicalDpi) / 96.0f : 1.0f;
}

Rect MainWindowRect(Size fullScreen, float uiScale) {
    const int w = static_cast<int>(kMainWidth * uiScale);
    const int h = static_cast<int>(kMainHeight * uiScale);
    const int x = fullScreen.width > w ? static_cast<int>((fullScreen.width - w) * 0.5) : 0;
    const int y = fullScreen.height > h ? static_cast<int>((fullScreen.height - h) * 0.5) : 0;
    return {x, y, x + w, y + h};
}

} // namespace ScreenScale
