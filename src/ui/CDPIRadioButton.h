#pragma once

#include "ui/CButtonBase.h"

// A DPI level label (3290 to 3297): its picture with the DPI value (value × 50) written centred
// over the top 11 × UiScale pixels. Standard input.
class CDPIRadioButton : public CButtonBase {
  public:
    CDPIRadioButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                    std::u16string text, ControlFlags flags = {});

    // One picture for every state (the labels have one look).
    void LoadImage(std::u16string_view path);
    void SetValue(int stepsOf50) { value_ = stepsOf50; }
    int Value() const { return value_; }
    void SetTextColor(Colour colour) { textColour_ = colour; }

    void Draw(Surface& surface, const Rect& paint) override;
    // The rectangle the value is written in.
    Rect ValueRect() const;

  private:
    int value_ = 0;
    Colour textColour_ = 0xB4B4B4;
};
