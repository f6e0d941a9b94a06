#pragma once

#include "ui/CDlgBase.h"

#include <memory>
#include <string>

// The bar shown after settings went to the mouse: it fills in about half a second and the
// dialog ends by itself. The bar advances on a timer, so all painting stays on the UI thread.
class CProgressBarDlg : public CDlgBase {
  public:
    static constexpr int kWidth = 429;
    static constexpr int kHeight = 140;
    static constexpr int kStepTimer = 1;
    static constexpr int kStepMs = 10;
    static constexpr int kStep = 2;
    static constexpr int kEndTimer = 2;
    static constexpr int kEndMs = 20;
    static constexpr Colour kTextColour = 0xBEBEBE;

    CProgressBarDlg(UiContext& ui, std::u16string message, std::u16string second = {},
                    WindowId owner = 0);

    int Progress() const { return progress_; }
    // The bar's width in base pixels for the current progress.
    int BarWidth() const { return progress_ * kWidth / 100; }

    void OnTimer(int id) override;

  protected:
    bool OnInitDialog() override;
    void CreateControls(int, int, int, int) override { SetControlsCreated(); }
    void Draw(Surface& surface, const Rect& client) override;

  private:
    std::u16string message_;
    std::unique_ptr<Image> frame_;
    std::unique_ptr<Image> bar_;
    Size frameSize_;
    Size barSize_;
    std::unique_ptr<Font> font_;
    int progress_ = 0;
};
