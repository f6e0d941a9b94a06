#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/Platform.h"

class UiContext;

// Codes a control sends in lParam of its notification message.
namespace NotifyCode {
inline constexpr intptr_t Pressed = 1;
inline constexpr intptr_t Released = 2; // released on the control: the action itself
inline constexpr intptr_t ValueChanged = 3;
inline constexpr intptr_t Entered = 4;
inline constexpr intptr_t Left = 5;
inline constexpr intptr_t DoubleClick = 10;
inline constexpr intptr_t RightReleased = 11;
inline constexpr intptr_t MovingOver = 12; // every move over button 3502
} // namespace NotifyCode

// Visual state of the button-like controls.
namespace ButtonState {
inline constexpr int Normal = 0;
inline constexpr int Hover = 1;
inline constexpr int Pressed = 2;
} // namespace ButtonState

// The two visibility flags and the disabled flag that end every control's construction.
struct ControlFlags {
    bool visible = true;
    bool shown = true;
    bool disabled = false;
};

// A windowless control: a rectangle on its dialog, drawn by the dialog into its off-screen
// surface and fed with the mouse events that fall into the rectangle. It reports user actions
// by sending its dialog the message whose number is its identifier, the code in lParam; the
// dialog's handler runs before the control's handler returns.
//
// A control is drawn and hit-tested only while both visible and shown are set; a disabled
// control ignores every mouse operation and reports no change. The mouse operations return true
// when the control's look changed, so that the dialog repaints its rectangle.
class CControlBase {
  public:
    CControlBase(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                 std::u16string text, ControlFlags flags);
    virtual ~CControlBase();
    CControlBase(const CControlBase&) = delete;
    CControlBase& operator=(const CControlBase&) = delete;

    // Paints the control into the dialog's surface; paint is the rectangle being painted.
    virtual void Draw(Surface& surface, const Rect& paint) = 0;
    // Called with false on the previously pressed control when another press or a popup takes
    // over; no control reacts to it.
    virtual bool Deactivate(bool active);
    virtual void SetRect(const Rect& rect);
    virtual Rect GetRect() const;
    // Stores a text that differs (exact comparison) and repaints the control; an equal text
    // changes nothing.
    virtual void SetText(const std::u16string& text);
    virtual std::u16string GetText() const;
    virtual void SetVisible(bool visible);
    virtual void SetShown(bool shown);
    virtual bool OnMouseMove(uint32_t flags, Point point);
    virtual bool OnLButtonDown(uint32_t flags, Point point);
    virtual bool OnLButtonUp(uint32_t flags, Point point);
    virtual bool OnRButtonUp(uint32_t flags, Point point);
    virtual bool OnLButtonDblClk(uint32_t flags, Point point);
    // Frees the control's pictures; a control without pictures does nothing.
    virtual void ReleaseImages();

    // Replaces the font by one of another height and face, keeping the control character set.
    void SetFont(int height, const std::u16string& face);

    unsigned Identifier() const { return identifier_; }
    WindowId Parent() const { return parent_; }
    bool IsVisible() const { return visible_; }
    bool IsShown() const { return shown_; }
    // Both visibility flags: drawn and offered the mouse.
    bool IsDisplayed() const { return visible_ && shown_; }
    bool IsDisabled() const { return disabled_; }
    void SetDisabled(bool disabled) { disabled_ = disabled; }
    bool TakesMouseInput() const { return mouseInput_; }
    // Right and bottom edges excluded.
    bool HitTest(Point point) const { return rect_.Contains(point); }
    const Font* GetFont() const { return font_.get(); }

  protected:
    // Sends (identifier, wParam, code) to the dialog.
    intptr_t Notify(intptr_t code, uintptr_t wParam = 0);
    // Sends under another message number (the combo buttons' own message).
    intptr_t NotifyAs(uint32_t message, uintptr_t wParam, intptr_t code);
    // The release most controls share: inside it leaves `state` at hover and sends "released",
    // outside at normal. True when the state changed (the control needs a repaint).
    bool ReleaseAt(int& state, Point point);
    // Asks the dialog to repaint the control's rectangle.
    void Invalidate();
    UiContext& Ui() const { return ui_; }
    const std::u16string& Text() const { return text_; }
    // Replaces the text without a repaint (the control is being drawn).
    void StoreText(std::u16string text) { text_ = std::move(text); }

  private:
    UiContext& ui_;
    unsigned identifier_;
    Rect rect_;
    bool visible_;
    bool shown_;
    bool disabled_;
    bool mouseInput_ = true;
    std::u16string text_;
    WindowId parent_;
    std::unique_ptr<Font> font_;
};
