#include "ui/CButtonBase.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

CButtonBase::CButtonBase(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                         std::u16string text, uint32_t format, ControlFlags flags,
                         size_t pictureSlots)
    : CControlBase(ui, parent, identifier, rect, std::move(text), flags), pictures_(pictureSlots),
      format_(format) {}

bool CButtonBase::LoadPicture(size_t slot, std::u16string_view relativePath) {
    if (slot >= pictures_.size()) {
        return false;
    }
    return LoadSkinImage(Ui().GetPlatform(), Ui().SkinPath(relativePath), pictures_[slot], width_,
                         height_);
}

bool CButtonBase::LoadStrip(std::u16string_view relativePath, int frameCount) {
    int width = 0;
    int height = 0;
    if (frameCount < 1 ||
        !LoadSkinImage(Ui().GetPlatform(), Ui().SkinPath(relativePath), strip_, width, height)) {
        strip_.Reset();
        return false;
    }
    stripFrames_ = frameCount;
    width_ = width / frameCount;
    height_ = height;
    return true;
}

void CButtonBase::ReleaseImages() {
    for (SkinImage& picture : pictures_) {
        picture.Reset();
    }
    strip_.Reset();
}

void CButtonBase::SetTextInsets(int left, int right) {
    leftInset_ = left;
    rightInset_ = right;
}

bool CButtonBase::SetState(int state) {
    const bool changed = state != state_;
    state_ = state;
    return changed;
}

bool CButtonBase::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled() || state_ == ButtonState::Pressed) {
        return false;
    }
    return SetState(HitTest(point) ? ButtonState::Hover : ButtonState::Normal);
}

bool CButtonBase::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const bool changed = SetState(ButtonState::Pressed);
    Notify(NotifyCode::Pressed);
    return changed;
}

bool CButtonBase::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    if (!HitTest(point)) {
        return SetState(ButtonState::Normal);
    }
    const bool changed = SetState(ButtonState::Hover);
    OnReleasedInside();
    return changed;
}

void CButtonBase::OnReleasedInside() {
    Notify(NotifyCode::Released);
}

void CButtonBase::DrawFrame(Surface& surface, int frame, size_t slot) const {
    if (strip_.IsLoaded()) {
        if (frame >= 0 && frame < stripFrames_) {
            DrawSkinImage(surface, strip_, GetRect(), frame * width_, 0, width_, height_);
        }
        return;
    }
    if (slot < pictures_.size()) {
        const SkinImage& picture = pictures_[slot];
        DrawSkinImage(surface, picture, GetRect(), 0, 0, width_, height_);
    }
}

void CButtonBase::DrawText(Surface& surface, const std::u16string& text, Colour colour,
                           uint32_t extraFlags) const {
    Rect inner = GetRect();
    inner.left += leftInset_;
    inner.right -= rightInset_;
    DrawCaption(surface, text, inner, GetFont(), colour, format_ | extraFlags);
}
