#include "../GalleryPlatform.h"

#include "platform/headless/HeadlessPlatform.h"

// The deterministic backend: it rasterises fills and decoded bitmaps into a pixel buffer, which
// is all a screenshot needs without a desktop.
GalleryPlatform MakeGalleryPlatform(int&, char**, const std::u16string& assets) {
    HeadlessSetup setup;
    setup.screen = {2560, 1600};
    setup.workArea = {0, 0, 2560, 1560};
    setup.programFolder = assets;
    return {std::make_unique<HeadlessPlatform>(setup), false};
}
