#pragma once

#include "ui/CButtonBase.h"

// One profile slot tab (2049 to 2053) selecting the UiContext's ProfileTabIndex: frame 2 for
// the selected tab (3 while it is also hovered), otherwise the state; text always grey. A
// completed click selects it and sends code 2; a right release on it sends code 11 with the
// identifier in wParam.
class CTabControl : public CButtonBase {
  public:
    static constexpr unsigned kFirstIdentifier = 2049;
    static constexpr size_t kNormal = 0;
    static constexpr size_t kHover = 1;
    static constexpr size_t kSelected = 2;
    static constexpr size_t kSelectedHover = 3;

    CTabControl(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                std::u16string text, uint32_t format, std::u16string tabText,
                ControlFlags flags = {});

    void LoadImages(std::u16string_view normal, std::u16string_view hover,
                    std::u16string_view selected, std::u16string_view selectedHover);
    void SetTabText(std::u16string text) { tabText_ = std::move(text); }
    const std::u16string& TabText() const { return tabText_; }
    int TabIndex() const { return int(Identifier()) - int(kFirstIdentifier); }
    bool IsSelected() const;

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnRButtonUp(uint32_t flags, Point point) override;

  protected:
    void OnReleasedInside() override;

  private:
    std::u16string tabText_;
};
