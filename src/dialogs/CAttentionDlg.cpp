#include "dialogs/CAttentionDlg.h"

#include "dialogs/SecondaryWindowTable.h"
#include "ui/CImageButton.h"
#include "ui/CStaticText.h"
#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr const char16_t* kTitleText = u"Vantor Mouse";
constexpr Rect kCloseRect{296, 8, 311, 23};
constexpr Rect kTitleRect{14, 6, 280, 26};
constexpr Rect kMessageRect{14, 30, 305, 68};
constexpr Rect kOkRect{125, 74, 194, 94};

} // namespace

CAttentionDlg::CAttentionDlg(UiContext& ui, std::u16string, std::u16string message, WindowId owner,
                             WindowKind kind)
    : CDlgBase(ui, owner, kind), message_(std::move(message)) {
    SetWindowSize(ui.Scale(kWidth), ui.Scale(kHeight));
}

bool CAttentionDlg::Open() {
    if (!Create())
        return false;
    Ui().GetPlatform().SetTopmost(Window(), true);
    return true;
}

bool CAttentionDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    LoadSkinBitmap(Ui().GetPlatform(), Ui().SkinPath(u"skins\\Frame_warning.bmp"), frame_,
                   frameSize_.width, frameSize_.height);
    SecondaryWindows().Add(Window());
    return true;
}

void CAttentionDlg::CreateControls(int, int, int, int) {
    if (ControlsCreated())
        return;
    SetControlsCreated();
    UiContext& ui = Ui();
    auto* close = Add<CImageButton>(0, 2004, ui.Scale(kCloseRect), u"", 0);
    close->LoadImages(u"skins\\exit_nr.png", u"skins\\exit_ov.png");
    auto* ok = Add<CImageButton>(0, kOkButton, ui.Scale(kOkRect), ui.Text(kOkText),
                                 TextFlag::Center | kCaptionFormat);
    ok->LoadImages(u"skins\\button2_nr.png", u"skins\\button2_ov.png");
    Add<CStaticText>(0, kTitle, ui.Scale(kTitleRect), kTitleText, kTitleColour,
                     TextFlag::Left | TextFlag::VCenter | TextFlag::SingleLine);
    Add<CStaticText>(0, kMessage, ui.Scale(kMessageRect), message_, kMessageColour,
                     TextFlag::Center | TextFlag::WordBreak);
}

void CAttentionDlg::Draw(Surface& surface, const Rect& client) {
    FillSolid(surface, client, BackgroundColour());
    if (frame_)
        surface.StretchBitmap(*frame_, client, {0, 0, frameSize_.width, frameSize_.height}, false);
    DrawControls(surface, client);
}

intptr_t CAttentionDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == kOkButton && lParam == NotifyCode::Released) {
        EndDialog(DialogResult::Ok);
        return 0;
    }
    return CDlgBase::OnMessage(message, wParam, lParam);
}

void CAttentionDlg::OnDestroyed() {
    SecondaryWindows().Remove(Window());
    CDlgBase::OnDestroyed();
}
