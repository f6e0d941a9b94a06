#include "ui/DrawingHelpers.h"

#include <algorithm>
#include <vector>

#include "ui/UiContext.h"

bool LoadSkinBitmap(Platform& platform, const std::u16string& path, std::unique_ptr<Image>& bitmap,
                    int& width, int& height) {
    bitmap = platform.LoadImageFile(path);
    if (!bitmap) {
        return false;
    }
    const Size size = bitmap->GetSize();
    width = size.width;
    height = size.height;
    return true;
}

bool AverageColor(const Image& bitmap, Colour& colour) {
    const Size size = bitmap.GetSize();
    const std::vector<uint32_t> rgb = bitmap.ReadRgb();
    const uint64_t count = uint64_t(size.width) * uint64_t(std::max(size.height, 0));
    if (count == 0 || rgb.size() < count) {
        return false;
    }
    uint64_t red = 0;
    uint64_t green = 0;
    uint64_t blue = 0;
    for (uint64_t i = 0; i < count; ++i) {
        red += (rgb[i] >> 16) & 0xFF;
        green += (rgb[i] >> 8) & 0xFF;
        blue += rgb[i] & 0xFF;
    }
    colour = Rgb(uint8_t(red / count), uint8_t(green / count), uint8_t(blue / count));
    return true;
}

std::unique_ptr<Font> CreateControlFont(const UiContext& ui) {
    const auto& settings = ui.ControlFontSettings();
    return CreateControlFont(ui, settings.height, settings.face);
}

std::unique_ptr<Font> CreateControlFont(const UiContext& ui, int height,
                                        const std::u16string& face) {
    FontRequest entry;
    entry.face = face;
    entry.height = height;
    entry.charset = ui.ControlFontSettings().charset;
    entry.pitchAndFamily = 0x20;
    return ui.GetPlatform().MakeFont(entry);
}

void FillSolid(Surface& surface, const Rect& rect, Colour colour) {
    surface.Fill(rect, colour);
}

void DrawCaption(Surface& surface, const std::u16string& text, const Rect& rect, const Font* font,
                 Colour colour, uint32_t flags) {
    if (text.empty() || font == nullptr) {
        return;
    }
    surface.DrawString(text, rect, *font, colour, flags);
}
