#include "ui/CDlgBase.h"

#include <algorithm>

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr int kIconId = 128;
constexpr char16_t kTitle[] = u"Vantor Mouse";
constexpr int kDialogFontWeight = 600;
constexpr Rect kNoRect{-1, -1, -1, -1};
constexpr Point kNoPoint{-1, -1};
// The design size of the background pictures: SetBackground always stretches this area.
constexpr Rect kBackgroundSource{0, 0, 1127, 740};
// Page and profile tabs: their release changes many controls, so the whole window repaints.
constexpr std::array<unsigned, 13> kWholeWindowReleases{3001, 3002, 3003, 3004, 3007, 3008, 3009,
                                                        2040, 2049, 2050, 2051, 2052, 2053};

} // namespace

CDlgBase::CDlgBase(UiContext& ui, WindowId owner, WindowKind kind)
    : ui_(ui), owner_(owner), kind_(kind) {}

CDlgBase::~CDlgBase() {
    if (window_ != 0) {
        ui_.GetPlatform().DestroyWindow(window_);
        window_ = 0;
    }
    hover_ = nullptr;
    pressed_ = nullptr;
    for (auto& list : lists_) {
        list.clear();
    }
}

bool CDlgBase::MakeWindow() {
    if (opened_) {
        return false;
    }
    opened_ = true;
    window_ =
        ui_.GetPlatform().MakeWindow(*this, kind_, owner_, {0, 0, windowWidth_, windowHeight_});
    return window_ != 0 && OnInitDialog();
}

int CDlgBase::DoModal() {
    if (!MakeWindow()) {
        return -1;
    }
    modal_ = true;
    Platform& platform = ui_.GetPlatform();
    const int result = platform.RunModal(window_);
    modal_ = false;
    if (window_ != 0) {
        platform.DestroyWindow(window_);
    }
    return result;
}

bool CDlgBase::Create() {
    if (!MakeWindow()) {
        return false;
    }
    ui_.GetPlatform().Show(window_, ShowCommand::Show);
    return true;
}

void CDlgBase::EndDialog(int result) {
    if (window_ == 0) {
        return;
    }
    if (modal_) {
        ui_.GetPlatform().EndModal(window_, result);
    } else {
        ui_.GetPlatform().DestroyWindow(window_);
    }
}

bool CDlgBase::OnInitDialog() {
    Platform& platform = ui_.GetPlatform();
    platform.SetIcon(window_, kIconId);
    platform.SetTitle(window_, kTitle);
    FontRequest font = platform.DefaultGuiFont();
    font.face = ui_.ControlFontSettings().face;
    font.weight = kDialogFontWeight;
    font.height = platform.LogicalDpi() * -10 / 72;
    dialogFont_ = platform.MakeFont(font);
    platform.SetTopmost(window_, false);
    platform.SetWindowRect(window_, {0, 0, windowWidth_, windowHeight_});
    const Rect client = platform.ClientRect(window_);
    CreateControls(client.left, client.top, client.right, client.bottom);
    CenterOnOwner();
    return true;
}

void CDlgBase::CenterOnOwner() {
    Platform& platform = ui_.GetPlatform();
    const Rect around = owner_ != 0 && platform.IsWindow(owner_) ? platform.WindowRect(owner_)
                                                                 : platform.WorkArea();
    const Rect own = platform.WindowRect(window_);
    const int left = around.left + (around.Width() - own.Width()) / 2;
    const int top = around.top + (around.Height() - own.Height()) / 2;
    platform.SetWindowRect(window_, {left, top, left + own.Width(), top + own.Height()});
}

CControlBase* CDlgBase::FindControl(unsigned identifier) const {
    for (const auto& list : lists_) {
        for (const auto& control : list) {
            if (control && control->Identifier() == identifier) {
                return control.get();
            }
        }
    }
    return nullptr;
}

void CDlgBase::ReleaseAllImages() {
    for (const auto& list : lists_) {
        for (const auto& control : list) {
            if (control) {
                control->ReleaseImages();
            }
        }
    }
}

void CDlgBase::SetBackground(std::unique_ptr<Image> bitmap) {
    if (!bitmap) {
        return;
    }
    const int w = backgroundWidth_;
    const int h = backgroundHeight_;
    inset_ = windowWidth_ <= w && windowHeight_ <= h ? 0 : std::min({w, 100, h});
    AverageColor(*bitmap, backgroundColour_);
    Platform& platform = ui_.GetPlatform();
    offscreen_ = platform.CreateImage({w, h});
    const Rect dest{0, 0, ui_.Scale(w - inset_), ui_.Scale(h - inset_)};
    platform.PaintInto(*offscreen_, [&](Surface& surface) {
        surface.StretchBitmap(*bitmap, dest, kBackgroundSource, false);
    });
}

bool CDlgBase::SetBackgroundFromFile(const std::u16string& path) {
    std::unique_ptr<Image> bitmap;
    if (!LoadSkinBitmap(ui_.GetPlatform(), path, bitmap, backgroundWidth_, backgroundHeight_)) {
        return false;
    }
    SetBackground(std::move(bitmap));
    return true;
}

void CDlgBase::SetPopup(int slot, WindowId popupWindow) {
    popups_.at(size_t(slot)) = popupWindow;
}

WindowId CDlgBase::Popup(int slot) const {
    return popups_.at(size_t(slot));
}

void CDlgBase::ClosePopup(int slot) {
    WindowId& popup = popups_.at(size_t(slot));
    if (popup == 0) {
        return;
    }
    if (pressed_ != nullptr && pressed_ != hover_) {
        pressed_->Deactivate(false);
        pressed_ = nullptr;
    }
    Platform& platform = ui_.GetPlatform();
    if (platform.IsWindow(popup)) {
        platform.Post(popup, Msg::Close, 0, 0);
    }
    popup = 0;
}

std::unique_ptr<EditField> CDlgBase::CreateEditField(const Rect& rect, const Font& font,
                                                     EditStyle style) {
    style.text = 0x000000;
    style.background = 0xFFFFFF;
    return ui_.GetPlatform().CreateEdit(window_, kEditId, rect, font, style);
}

void CDlgBase::SetTimer(int id, int ms) {
    ui_.GetPlatform().SetTimer(window_, id, ms);
}

void CDlgBase::KillTimer(int id) {
    ui_.GetPlatform().KillTimer(window_, id);
}

void CDlgBase::Invalidate(std::optional<Rect> rect) {
    if (window_ != 0) {
        ui_.GetPlatform().Invalidate(window_, rect);
    }
}

void CDlgBase::OnPaint(Surface& surface, const Rect& client) {
    if (ui_.GetPlatform().IsMinimized(window_)) {
        surface.SetPixel({10, 10}, 0xFFFFFF);
        return;
    }
    Draw(surface, client);
}

void CDlgBase::DrawControls(Surface& surface, const Rect& paint) {
    for (const auto& list : lists_) {
        for (const auto& control : list) {
            if (control && control->IsDisplayed() &&
                !control->GetRect().Intersect(paint).IsEmpty()) {
                control->Draw(surface, paint);
            }
        }
    }
}

CControlBase* CDlgBase::OfferMove(uint32_t flags) {
    CControlBase* found = nullptr;
    for (const auto& list : lists_) {
        for (const auto& control : list) {
            if (!control || !control->IsDisplayed() || !control->TakesMouseInput()) {
                continue;
            }
            control->OnMouseMove(flags, lastPoint_);
            if (control->HitTest(lastPoint_)) {
                found = control.get();
            }
        }
    }
    return found;
}

void CDlgBase::OnMouseMove(uint32_t flags, Point point) {
    if (!tracking_) {
        tracking_ = ui_.GetPlatform().TrackMouse(window_, 1);
    }
    if (hover_ != nullptr && hover_->HitTest(point) && tracking_) {
        lastPoint_ = point;
        if (hover_->OnMouseMove(flags, point)) {
            Invalidate(hover_->GetRect());
        }
        return;
    }
    if (buttonDown_) {
        return;
    }
    lastPoint_ = point;
    CControlBase* previous = hover_;
    CControlBase* found = tracking_ ? OfferMove(flags) : nullptr;
    if (previous != nullptr) {
        Invalidate(previous->GetRect());
    }
    hover_ = found;
    if (found != nullptr) {
        Invalidate(found->GetRect());
    }
}

void CDlgBase::OnMouseLeave() {
    tracking_ = false;
    if (buttonDown_ || hover_ == nullptr) {
        return;
    }
    Platform& platform = ui_.GetPlatform();
    const Point cursor = platform.ScreenToClient(window_, platform.CursorPos());
    const bool keep = platform.IsMaximized(window_) && hover_->HitTest(cursor);
    lastPoint_ = keep ? cursor : kNoPoint;
    hover_->OnMouseMove(0, lastPoint_);
    Invalidate(hover_->GetRect());
    hover_ = nullptr;
}

void CDlgBase::OnMouseHover(Point) {
    if (hover_ == nullptr) {
        return;
    }
    Platform& platform = ui_.GetPlatform();
    const Point cursor = platform.ScreenToClient(window_, platform.CursorPos());
    if (hover_->HitTest(cursor)) {
        lastPoint_ = cursor;
        Invalidate(hover_->GetRect());
    }
}

void CDlgBase::OnLButtonDown(uint32_t flags, Point point) {
    if (pressed_ != nullptr && pressed_ != hover_) {
        pressed_->Deactivate(false);
        pressed_ = nullptr;
    }
    if (hover_ == nullptr || !hover_->HitTest(point)) {
        pressedRect_ = kNoRect;
        ui_.GetPlatform().BeginWindowDrag(window_);
        return;
    }
    buttonDown_ = true;
    pressed_ = hover_;
    pressedRect_ = hover_->GetRect();
    CControlBase* control = hover_;
    if (control->OnLButtonDown(flags, point)) {
        Invalidate(control->GetRect());
    }
    if (!captured_ && window_ != 0) {
        ui_.GetPlatform().CaptureMouse(window_);
        captured_ = true;
    }
}

void CDlgBase::ReleaseCapture() {
    if (captured_) {
        captured_ = false;
        ui_.GetPlatform().ReleaseMouse();
    }
}

bool CDlgBase::RepaintsWholeWindow(unsigned identifier) const {
    return std::ranges::find(kWholeWindowReleases, identifier) != kWholeWindowReleases.end();
}

void CDlgBase::OnLButtonUp(uint32_t flags, Point point) {
    ReleaseCapture();
    buttonDown_ = false;
    if (hover_ != nullptr) {
        const Rect released = hover_->GetRect();
        const unsigned identifier = hover_->Identifier();
        const bool changed = hover_->OnLButtonUp(flags, point);
        if (hover_ != nullptr) {
            if (changed) {
                Invalidate(RepaintsWholeWindow(identifier) ? std::nullopt
                                                           : std::optional<Rect>(released));
            }
            if (pressedRect_.Contains(point) || released.Contains(point)) {
                lastPoint_ = point;
            } else {
                lastPoint_ = kNoPoint;
                hover_ = nullptr;
            }
        }
    }
    doubleClick_ = false;
    pressedRect_ = kNoRect;
}

void CDlgBase::OnLButtonDblClk(uint32_t flags, Point point) {
    for (const auto& list : lists_) {
        for (const auto& control : list) {
            if (control && control->HitTest(point) && hover_ != nullptr) {
                CControlBase* target = hover_;
                const bool changed = target->OnLButtonDblClk(flags, point);
                if (hover_ != nullptr) {
                    pressedRect_ = hover_->GetRect();
                    if (changed) {
                        Invalidate(pressedRect_);
                    }
                }
                doubleClick_ = true;
                return;
            }
        }
    }
}

void CDlgBase::OnRButtonUp(uint32_t flags, Point point) {
    for (const auto& control : lists_[0]) {
        if (control && control->HitTest(point) && hover_ != nullptr) {
            hover_->OnRButtonUp(flags, point);
            return;
        }
    }
}

intptr_t CDlgBase::OnMessage(uint32_t message, uintptr_t, intptr_t lParam) {
    const bool closeButton = message == 2004 || message == 2011;
    if (closeButton && lParam == NotifyCode::Released) {
        ReleaseAllImages();
        EndDialog(DialogResult::Cancel);
    } else if (message == Msg::Close) {
        EndDialog(DialogResult::Cancel);
    }
    return 0;
}

void CDlgBase::OnDestroyed() {
    window_ = 0;
    hover_ = nullptr;
    pressed_ = nullptr;
    buttonDown_ = false;
    captured_ = false;
    tracking_ = false;
}
