#pragma once

#include "ui/CButtonBase.h"

// A two-state button with optional captions. Frame 2 (checked picture and colour) while
// checked, otherwise the state; a completed click inverts checked, then sends code 2.
class CCheckButton : public CButtonBase {
  public:
    static constexpr size_t kNormal = 0;
    static constexpr size_t kHover = 1;
    static constexpr size_t kChecked = 2;

    CCheckButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                 std::u16string text, uint32_t format, ControlFlags flags = {});

    // A missing checked path takes the hover path (two pictures for three slots).
    void LoadImages(std::u16string_view normal, std::u16string_view hover,
                    std::u16string_view checked = {});
    void SetCheck(bool checked) { checked_ = checked; }
    bool GetCheck() const { return checked_; }
    // Non-empty captions replace the text in the matching frames.
    void SetCaptions(std::u16string unchecked, std::u16string checked);
    void SetCheckedTextColor(Colour colour) { checkedColour_ = colour; }

    void Draw(Surface& surface, const Rect& paint) override;

  protected:
    void OnReleasedInside() override;

  private:
    bool checked_ = false;
    std::u16string uncheckedCaption_;
    std::u16string checkedCaption_;
    Colour normalColour_ = 0xB4B4B4;
    Colour hoverColour_ = 0xFFFFFF;
    Colour checkedColour_ = 0x00FFFF;
};
