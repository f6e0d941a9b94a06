#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

// The battery gauge (identifier 3406, always disabled): an outline with a fill that grows with
// the charge, a charging animation level, or full with the charging symbol.
class CBattery : public CControlBase {
  public:
    static constexpr unsigned kIdentifier = 3406;
    enum Mode { Normal = 0, Charging = 1, Full = 2 };

    CBattery(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
             std::u16string text, ControlFlags flags = {});

    bool LoadImages(std::u16string_view fullFill, std::u16string_view emptyOutline,
                    std::u16string_view chargingFill, std::u16string_view chargingSymbol);

    void SetMode(int mode) { mode_ = mode; }
    int GetMode() const { return mode_; }
    void SetLevel(uint8_t percent) { level_ = percent; }
    uint8_t GetLevel() const { return level_; }
    void SetChargingLevel(int percent) { chargingLevel_ = percent; }
    int ChargingLevel() const { return chargingLevel_; }

    void Draw(Surface& surface, const Rect& paint) override;
    void ReleaseImages() override;

  private:
    enum Picture { FullFill, EmptyOutline, ChargingFill, ChargingSymbol };
    void DrawFill(Surface& surface, Picture picture, int percent) const;

    std::array<SkinImage, 4> pictures_;
    int width_ = 0;
    int height_ = 0;
    int mode_ = Normal;
    uint8_t level_ = 100;
    int fillTop_ = 7;
    int fillHeight_ = 50;
    int chargingLevel_ = 25;
};
