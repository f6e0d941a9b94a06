#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.h"

class UiContext;

// Text colours shared by the skinned controls (0x00BBGGRR).
namespace SkinColour {
inline constexpr Colour TextNormal = 0xB4B4B4;
inline constexpr Colour TextHover = 0xFFFFFF;
inline constexpr Colour TextPressed = 0x00FFFF; // yellow
inline constexpr Colour Selection = 0xDEA035;
inline constexpr Colour ListBackground = 0x4B4B4B;
inline constexpr Colour ScrollTrack = 0x101010;
inline constexpr Colour ScrollThumb = 0x1F1F1F;
inline constexpr Colour ScrollThumbHover = 0x323232;
inline constexpr Colour SwatchDefault = 0x00FF00;
inline constexpr Colour DialogBackground = 0xEFE2BA;
} // namespace SkinColour

// What skinned captions add to a control's own alignment: word ellipsis, single line, vertical
// centre.
inline constexpr uint32_t kCaptionFormat =
    TextFlag::WordEllipsis | TextFlag::SingleLine | TextFlag::VCenter;

// A BMP frame (a full path) as a bitmap. On success the bitmap replaces the caller's, its size is
// stored in the size fields and the result is true; on failure the caller's bitmap is emptied,
// the size fields are kept and the result is false.
bool LoadSkinBitmap(Platform& platform, const std::u16string& path, std::unique_ptr<Image>& bitmap,
                    int& width, int& height);

// The mean of each colour channel over all pixels (integer division), as 0x00BBGGRR; false and
// the colour unchanged when the pixels cannot be read.
bool AverageColor(const Image& bitmap, Colour& colour);

// The control font: the process-wide face, character set and height, default weight,
// pitch-and-family 0x20. Every control and popup owns one.
std::unique_ptr<Font> CreateControlFont(const UiContext& ui);
// The control font with another height and face, keeping the control character set.
std::unique_ptr<Font> CreateControlFont(const UiContext& ui, int height,
                                        const std::u16string& face);

void FillSolid(Surface& surface, const Rect& rect, Colour colour);

// A caption drawn transparently in the colour with the font; flags are TextFlag values. An empty
// text or a missing font draws nothing.
void DrawCaption(Surface& surface, const std::u16string& text, const Rect& rect, const Font* font,
                 Colour colour, uint32_t flags);
