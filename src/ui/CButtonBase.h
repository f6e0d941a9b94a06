#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

// What the button-like controls share: picture slots with one width and height for all of them
// (each load overwrites both), an optional sprite strip, the normal / hover / pressed state, text
// insets and format, and the standard input rules:
// - move: the state becomes hover inside the rectangle, normal outside (not while pressed);
// - press inside: pressed, code 1;
// - release: inside hover and OnReleasedInside (code 2), outside normal and no notification.
// A disabled button ignores all of it and reports no change.
class CButtonBase : public CControlBase {
  public:
    CButtonBase(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                std::u16string text, uint32_t format, ControlFlags flags, size_t pictureSlots);

    // Loads a skin picture ("skins\\x_nr.png") into a slot; false when it is missing (the slot
    // then draws nothing and the size fields keep the last good size).
    bool LoadPicture(size_t slot, std::u16string_view relativePath);
    // A strip of frameCount frames side by side, each picture width / frameCount wide; once
    // loaded, frames are drawn from it instead of the slots.
    bool LoadStrip(std::u16string_view relativePath, int frameCount);
    void ReleaseImages() override;
    void SetTextInsets(int left, int right);

    int State() const { return state_; }
    Size PictureSize() const { return {width_, height_}; }
    bool HasStrip() const { return strip_.IsLoaded(); }

    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;

  protected:
    // The action of a completed click; sends code 2 unless a class says otherwise.
    virtual void OnReleasedInside();
    // Sets the state; true when it changed.
    bool SetState(int state);
    // Draws the strip frame or, without a strip, the slot picture stretched over the rectangle.
    void DrawFrame(Surface& surface, int frame, size_t slot) const;
    // The caption inside the rectangle narrowed by the insets, with the control's format joined
    // with extraFlags.
    void DrawText(Surface& surface, const std::u16string& text, Colour colour,
                  uint32_t extraFlags) const;
    uint32_t Format() const { return format_; }
    const SkinImage& Picture(size_t slot) const { return pictures_.at(slot); }
    size_t PictureSlots() const { return pictures_.size(); }

  private:
    std::vector<SkinImage> pictures_;
    SkinImage strip_;
    int stripFrames_ = 1;
    int width_ = 0;
    int height_ = 0;
    int state_ = ButtonState::Normal;
    uint32_t format_;
    int leftInset_ = 0;
    int rightInset_ = 0;
};
