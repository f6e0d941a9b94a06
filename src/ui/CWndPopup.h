#pragma once

#include <cstdint>
#include <memory>

#include "platform/Platform.h"

class UiContext;

// Messages a popup sends its owner besides the owner's own notification message.
namespace PopupMsg {
inline constexpr uint32_t Closed = 0x401; // the popup got its close request
} // namespace PopupMsg

// A drop-down list: a topmost tool window of its own, owned by a dialog, painted from an
// off-screen surface. It reports a choice with the owner's notification message (lParam = the
// address of the popup's result, valid only during the call) and its dismissal, when it loses
// activation, with the message of its kind.
//
// The window owns the object: a popup deletes itself when its window is destroyed, also while
// one of its own handlers is still running (it waits until that handler returns). Owners keep
// only the WindowId (a dialog's popup slot) and close it with Msg::Close; ids are never reused,
// so nothing dangles.
//
//     auto popup = std::make_unique<CComboLightingPopup>(ui, kMenuPictures);
//     WindowId id = CWndPopup::Open(std::move(popup), dialog, screenRect, 1145, 3120);
//     SetPopup(0, id);
class CWndPopup : public WindowHandler {
  public:
    CWndPopup(UiContext& ui, int kind);
    ~CWndPopup() override;
    CWndPopup(const CWndPopup&) = delete;
    CWndPopup& operator=(const CWndPopup&) = delete;

    // Makes the window at the rectangle's top-left (screen pixels), owned by the owner window,
    // fills the list and shows it. On success the window owns the popup and its id is returned;
    // on failure the popup is deleted and 0 is returned.
    static WindowId Open(std::unique_ptr<CWndPopup> popup, WindowId owner, const Rect& rect,
                         uint32_t message, uintptr_t wParam);

    // Paints the list again and shows it.
    void Render();

    WindowId Window() const { return window_; }
    int Kind() const { return kind_; }
    uint32_t NotifyMessage() const { return message_; }
    uintptr_t NotifyParam() const { return wParam_; }
    // The message a popup of this kind sends when it loses activation (0 for an unknown kind).
    static uint32_t DismissalMessage(int kind);

    // ---- WindowHandler ----
    void OnPaint(Surface& surface, const Rect& client) override;
    void OnMouseMove(uint32_t flags, Point point) override;
    void OnMouseLeave() override;
    void OnMouseHover(Point point) override;
    void OnLButtonDown(uint32_t flags, Point point) override;
    void OnLButtonUp(uint32_t flags, Point point) override;
    void OnRButtonUp(uint32_t flags, Point point) override;
    void OnActivate(bool active) override;
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnDestroyed() override;

  protected:
    // Paints the rows; the classes with icons call DrawIcons from here.
    virtual void DrawItems(Surface& surface, const Rect& client);
    virtual void DrawIcons(Surface& surface, const Rect& client);
    // Adds the class's items; runs once, when the window has been made.
    virtual void InitItems();
    // Each returns true when the list must be painted again.
    virtual bool OnItemMouseMove(Point point);
    virtual bool OnItemLButtonDown(Point point);
    virtual bool OnItemLButtonUp(Point point);
    virtual bool OnItemRButtonUp(Point point);

    // Sends to the owner now; nothing happens without an owner.
    intptr_t SendToOwner(uint32_t message, uintptr_t wParam, intptr_t lParam);
    // Keeps the position and takes the new size.
    void Resize(Size size);
    UiContext& Ui() const { return ui_; }
    const Font* GetFont() const { return font_.get(); }

  private:
    // Held by every handler, so that a window destroyed under it deletes the popup only when
    // the outermost handler returns.
    class Entry;
    Point CursorInClient() const;

    UiContext& ui_;
    int kind_;
    bool tracking_ = false;
    bool buttonDown_ = false;
    bool captured_ = false;
    Point position_;
    uint32_t message_ = 0;
    uintptr_t wParam_ = 0;
    std::unique_ptr<Font> font_;
    WindowId window_ = 0;
    int depth_ = 0;
    bool gone_ = false;
};
