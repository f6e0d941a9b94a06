#include "ui/SkinImage.h"

bool LoadSkinImage(Platform& platform, const std::u16string& path, SkinImage& image, int& width,
                   int& height) {
    image = SkinImage(platform.LoadImageFile(path));
    if (!image.IsLoaded()) {
        return false;
    }
    const Size size = image.GetSize();
    width = size.width;
    height = size.height;
    return true;
}

bool LoadResourcePng(Platform& platform, int id, SkinImage& image) {
    image = SkinImage(platform.LoadResourceImage(id));
    return image.IsLoaded();
}

void DrawSkinImage(Surface& surface, const SkinImage& image, const Rect& dest, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight) {
    if (!image.IsLoaded()) {
        return;
    }
    const RectF destination{static_cast<float>(dest.left), static_cast<float>(dest.top),
                            static_cast<float>(dest.Width()), static_cast<float>(dest.Height())};
    surface.DrawImage(*image.Get(), destination,
                      {sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight});
}

void DrawSkinImage(Surface& surface, const SkinImage& image, const Rect& dest) {
    const Size size = image.GetSize();
    DrawSkinImage(surface, image, dest, 0, 0, size.width, size.height);
}
