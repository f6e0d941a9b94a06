#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

class UiContext;

// One skin picture and whether its load succeeded. An empty SkinImage (failed or never loaded)
// draws nothing, so a control with a missing picture still works.
class SkinImage {
  public:
    SkinImage() = default;
    explicit SkinImage(std::unique_ptr<Image> image) : image_(std::move(image)) {}

    bool IsLoaded() const { return image_ != nullptr; }
    const Image* Get() const { return image_.get(); }
    // The picture's own size; 0 x 0 when empty.
    Size GetSize() const { return image_ ? image_->GetSize() : Size{}; }
    void Reset() { image_.reset(); }

  private:
    std::unique_ptr<Image> image_;
};

// Loads a skin file (a full path, see UiContext::SkinPath) into image. On success the picture's
// width and height are stored in the caller's size fields and the result is true; on failure the
// image becomes empty, the size fields keep their previous values and the result is false.
bool LoadSkinImage(Platform& platform, const std::u16string& path, SkinImage& image, int& width,
                   int& height);

// A PNG picture stored as a numbered program resource (187, 188); false and an empty image when
// the resource is missing.
bool LoadResourcePng(Platform& platform, int id, SkinImage& image);

// Stretches the source rectangle (picture pixels) of the image to the destination with
// high-quality interpolation and a half-pixel offset; an empty image draws nothing.
void DrawSkinImage(Surface& surface, const SkinImage& image, const Rect& dest, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight);
// The whole picture stretched over the destination.
void DrawSkinImage(Surface& surface, const SkinImage& image, const Rect& dest);
