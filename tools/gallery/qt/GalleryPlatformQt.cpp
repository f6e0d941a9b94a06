#include "../GalleryPlatform.h"

#include "platform/qt/QtPlatform.h"

// The desktop backend: a real window, and screenshots with decoded pictures and text (Qt's
// offscreen platform works without a display).
GalleryPlatform MakeGalleryPlatform(int& argc, char** argv, const std::u16string& assets) {
    QtPlatformOptions options;
    options.programFolder = assets;
    return {MakeQtPlatform(argc, argv, options), true};
}
