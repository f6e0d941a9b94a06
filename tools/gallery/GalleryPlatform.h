#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

// The backend the gallery draws with; assets is the folder holding "skins" and "res".
struct GalleryPlatform {
    std::unique_ptr<Platform> platform;
    // False for a backend that can only render screenshots.
    bool interactive = false;
};

GalleryPlatform MakeGalleryPlatform(int& argc, char** argv, const std::u16string& assets);
