#pragma once

#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <string>

struct OsdLines {
    std::u16string line1; // "DPI-2"
    std::u16string line2; // the resolution
    std::u16string line3; // the polling rate
    friend bool operator==(const OsdLines&, const OsdLines&) = default;
};

// The half-transparent window in the lower right corner of the work area that shows what the
// mouse just changed. A plain window, not a skinned dialog: it never takes the focus.
class COSDDialog : public WindowHandler {
  public:
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 140;
    static constexpr uint8_t kOpacity = 128;
    static constexpr Colour kBackground = Rgb(0xA4, 0x49, 0xA4);

    struct Style {
        float uiScale = 1.0f;
        std::u16string face; // the interface font face
        int charset = 1;
    };

    // The profile name is asked for at every paint, so a rename shows at once.
    COSDDialog(Platform& platform, Style style, std::function<std::u16string()> profileName);
    ~COSDDialog() override;
    COSDDialog(const COSDDialog&) = delete;
    COSDDialog& operator=(const COSDDialog&) = delete;

    // Creates and shows the window, always on top, without taking the focus.
    void Create();
    void SetLines(OsdLines lines);
    const OsdLines& Lines() const { return lines_; }
    WindowId Window() const { return window_; }
    void Destroy();

    // Where line 2 starts, in base pixels: it depends on its length and the face.
    static int Line2X(const std::u16string& line2, const std::u16string& face);
    static Rect PlaceIn(const Rect& workArea, float uiScale);

    void OnPaint(Surface& surface, const Rect& client) override;
    void OnDestroyed() override { window_ = 0; }

  private:
    int Scaled(int base) const { return static_cast<int>(base * style_.uiScale); }
    void DrawLine(Surface& surface, const std::u16string& text, int x, int y, const Font& font,
                  const Rect& client) const;

    Platform& platform_;
    Style style_;
    std::function<std::u16string()> profileName_;
    std::unique_ptr<Font> fontA_;
    std::unique_ptr<Font> fontB_;
    OsdLines lines_;
    WindowId window_ = 0;
};
