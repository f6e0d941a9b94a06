#include "dialogs/CProgressBarDlg.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr int kBarTop = 66;
constexpr int kBarHeight = 12;
constexpr Rect kMessageRect{0, 30, CProgressBarDlg::kWidth, 60};

} // namespace

CProgressBarDlg::CProgressBarDlg(UiContext& ui, std::u16string message, std::u16string,
                                 WindowId owner)
    : CDlgBase(ui, owner), message_(std::move(message)) {
    SetWindowSize(ui.Scale(kWidth), ui.Scale(kHeight));
}

bool CProgressBarDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    Platform& platform = Ui().GetPlatform();
    LoadSkinBitmap(platform, Ui().SkinPath(u"skins\\Frame_progress_nr.bmp"), frame_,
                   frameSize_.width, frameSize_.height);
    LoadSkinBitmap(platform, Ui().SkinPath(u"skins\\Frame_progress_ov.bmp"), bar_, barSize_.width,
                   barSize_.height);
    font_ = CreateControlFont(Ui());
    SetTimer(kStepTimer, kStepMs);
    return true;
}

void CProgressBarDlg::OnTimer(int id) {
    if (id == kStepTimer) {
        progress_ = std::min(100, progress_ + kStep);
        Invalidate(Ui().Scale(Rect{0, kBarTop, kWidth, kBarTop + kBarHeight}));
        if (progress_ >= 100) {
            KillTimer(kStepTimer);
            SetTimer(kEndTimer, kEndMs);
        }
    } else if (id == kEndTimer) {
        KillTimer(kEndTimer);
        frame_.reset();
        bar_.reset();
        EndDialog(DialogResult::Ok);
    }
}

void CProgressBarDlg::Draw(Surface& surface, const Rect& client) {
    FillSolid(surface, client, BackgroundColour());
    if (frame_)
        surface.StretchBitmap(*frame_, Ui().Scale(Rect{0, 0, kWidth, kHeight}),
                              {0, 0, frameSize_.width, frameSize_.height}, false);
    const int w = BarWidth();
    if (bar_ && w > 0)
        surface.StretchBitmap(*bar_, Ui().Scale(Rect{0, kBarTop, w, kBarTop + kBarHeight}),
                              {0, kBarTop, w, kBarTop + kBarHeight}, false);
    DrawCaption(surface, message_, Ui().Scale(kMessageRect), font_.get(), kTextColour,
                TextFlag::Center | kCaptionFormat);
    DrawControls(surface, client);
}
