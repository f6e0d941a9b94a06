#pragma once

#include "ui/CDlgBase.h"

#include <memory>
#include <string>

// The program's message box: a title, one message and an OK button on the warning frame. Shown
// modally for notices, or without owner and on top of every window when no mouse is reachable.
// While its window exists it is listed among the secondary windows, so the main window can
// close it.
class CAttentionDlg : public CDlgBase {
  public:
    static constexpr int kWidth = 319;
    static constexpr int kHeight = 102;
    static constexpr int kOkButton = 2010;
    static constexpr int kTitle = 2012;
    static constexpr int kMessage = 2013;
    static constexpr int kOkText = 4;
    static constexpr Colour kTitleColour = 0xFFFFFF;
    static constexpr Colour kMessageColour = 0xB4B4B4;

    // The first text is ignored: the title is always the product's. A notice (WindowKind::Notice,
    // no owner) is opened with Open, any other with DoModal.
    CAttentionDlg(UiContext& ui, std::u16string ignoredTitle, std::u16string message,
                  WindowId owner = 0, WindowKind kind = WindowKind::Dialog);

    // Not modal: creates the window, shows it and puts it on top without moving it.
    bool Open();

    const std::u16string& Message() const { return message_; }

  protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void Draw(Surface& surface, const Rect& client) override;
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnDestroyed() override;

  private:
    std::u16string message_;
    std::unique_ptr<Image> frame_;
    Size frameSize_;
};
