#pragma once

#include "ui/CButtonBase.h"

// A drop-down field that opens a popup list through its owner. It reports release (2), enter
// (4, on at most five consecutive moves) and leave (5, once, never while its popup is open)
// under its own notification message with the identifier in wParam; the press (1) goes under
// the identifier. A locked combo sends neither press nor release.
class CComboButton : public CButtonBase {
  public:
    static constexpr size_t kNormal = 0;
    static constexpr size_t kHover = 1;

    CComboButton(UiContext& ui, WindowId parent, uint32_t notifyMessage, unsigned identifier,
                 const Rect& rect, std::u16string text, uint32_t format, ControlFlags flags,
                 std::u16string valueText);

    void LoadImages(std::u16string_view normal, std::u16string_view hover);
    void SetValueText(std::u16string text) { valueText_ = std::move(text); }
    const std::u16string& ValueText() const { return valueText_; }
    // The owner sets it while the combo's popup is open.
    void SetPopupOpen(bool open) { popupOpen_ = open; }
    bool IsPopupOpen() const { return popupOpen_; }
    void SetLocked(bool locked) { locked_ = locked; }
    bool IsLocked() const { return locked_; }
    // Shows "Disable" instead of the value text.
    void SetShowDisabledWord(bool show) { showDisabledWord_ = show; }
    uint32_t NotifyMessage() const { return notifyMessage_; }

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;

  private:
    std::u16string valueText_;
    bool popupOpen_ = false;
    uint32_t notifyMessage_;
    bool locked_ = false;
    bool showDisabledWord_ = false;
    bool hoverReported_ = false;
    bool outside_ = true;
    int hoverCount_ = 0;
};
