#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "ui/CControlBase.h"

class UiContext;

// Results of a dialog, as the window system numbers them.
namespace DialogResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
} // namespace DialogResult

// The base of every skinned dialog, the main window included: a frameless window on the
// platform layer painted through an off-screen surface, nine owned lists of windowless controls
// that it draws (list 0 first, later lists over earlier ones) and feeds with the mouse, dragging
// of the window by any spot that is not a control, and eleven popup slots.
//
// A derived dialog sets its window size in its constructor (base size × UiScale), implements
// CreateControls (called once from OnInitDialog with the client rectangle) and Draw (which ends
// with DrawControls), and handles its controls' notifications in OnMessage: a control with
// identifier N sends message N with the notification code in lParam. Unhandled messages go to
// CDlgBase::OnMessage, which ends the dialog on the release of close button 2004 or cancel
// button 2011 and on a close request.
//
//     class CMyDlg : public CDlgBase {
//       public:
//         explicit CMyDlg(UiContext& ui, WindowId owner) : CDlgBase(ui, owner) {
//             SetWindowSize(ui.Scale(320), ui.Scale(200));
//         }
//       protected:
//         void CreateControls(int, int, int, int) override {
//             auto* close = Add<CImageButton>(0, 2004, Ui().Scale({290, 8, 305, 23}), u"", 0);
//             close->LoadImages(u"skins\\exit_nr.png", u"skins\\exit_ov.png");
//         }
//         void Draw(Surface& s, const Rect& client) override {
//             FillSolid(s, client, BackgroundColour());
//             DrawControls(s, client);
//         }
//     };
//     CMyDlg dlg(ui, owner);
//     int result = dlg.DoModal();
class CDlgBase : public WindowHandler {
  public:
    static constexpr int kListCount = 9;
    static constexpr int kPopupSlots = 11;
    // The identifier of the one real edit field a dialog may create.
    static constexpr int kEditId = 2017;

    CDlgBase(UiContext& ui, WindowId owner, WindowKind kind = WindowKind::Dialog);
    // Destroys the window if it still exists, then deletes every control, list 0 first.
    ~CDlgBase() override;
    CDlgBase(const CDlgBase&) = delete;
    CDlgBase& operator=(const CDlgBase&) = delete;

    // A dialog object opens its window once, through one of these two.
    // Makes the window, initialises the dialog, runs it modally and destroys the window; returns
    // the EndDialog result (-1 when the run ended otherwise or the dialog was already opened).
    int DoModal();
    // Makes the window and initialises the dialog, shown and not modal; false when the dialog
    // was already opened.
    bool Create();
    // Modal: ends the run with the result. Not modal: destroys the window.
    void EndDialog(int result);
    // 0 before Create/DoModal and after the window has gone.
    WindowId Window() const { return window_; }
    UiContext& Ui() const { return ui_; }

    // The first control of lists 0 to 8 with the identifier, or null; hidden controls count.
    CControlBase* FindControl(unsigned identifier) const;
    // ReleaseImages on every control, in list order.
    void ReleaseAllImages();
    // Makes the bitmap the off-screen background (its size must be in BackgroundSize) and takes
    // its average colour as background colour.
    void SetBackground(std::unique_ptr<Image> bitmap);
    // Loads a BMP frame (full path) into the background; a missing file changes nothing.
    bool SetBackgroundFromFile(const std::u16string& path);

    // Popup slots hold the popup's window: popups delete themselves when their window goes, and
    // a window id is never reused, so a slot never dangles.
    void SetPopup(int slot, WindowId popupWindow);
    WindowId Popup(int slot) const;
    // Deactivates a pressed control that is not hovered, asks the popup's window to close when
    // it still exists and empties the slot; an empty slot is left alone.
    void ClosePopup(int slot);

    // Appends a control to a list (0 to 8) and keeps it until the dialog goes; returns it.
    template <class T> T* AddControl(int list, std::unique_ptr<T> control) {
        T* raw = control.get();
        lists_.at(size_t(list)).push_back(std::move(control));
        return raw;
    }
    // Constructs a control of this dialog (UiContext and parent window supplied) and appends it.
    template <class T, class... Args> T* Add(int list, Args&&... args) {
        return AddControl(list, std::make_unique<T>(ui_, window_, std::forward<Args>(args)...));
    }
    const std::vector<std::unique_ptr<CControlBase>>& List(int list) const {
        return lists_.at(size_t(list));
    }

    CControlBase* HoverControl() const { return hover_; }
    CControlBase* PressedControl() const { return pressed_; }
    Point LastPoint() const { return lastPoint_; }
    Colour BackgroundColour() const { return backgroundColour_; }
    Size BackgroundSize() const { return {backgroundWidth_, backgroundHeight_}; }
    const Image* OffscreenBackground() const { return offscreen_.get(); }
    int BackgroundInset() const { return inset_; }
    const Font* DialogFont() const { return dialogFont_.get(); }

    // ---- WindowHandler ----
    void OnPaint(Surface& surface, const Rect& client) override;
    void OnMouseMove(uint32_t flags, Point point) override;
    void OnMouseLeave() override;
    void OnMouseHover(Point point) override;
    void OnLButtonDown(uint32_t flags, Point point) override;
    void OnLButtonUp(uint32_t flags, Point point) override;
    void OnLButtonDblClk(uint32_t flags, Point point) override;
    void OnRButtonUp(uint32_t flags, Point point) override;
    // The shared handlers: release of 2004 or 2011 ends the dialog with Cancel after
    // ReleaseAllImages; a close request ends it with Cancel.
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnDestroyed() override;

  protected:
    // Icon 128, title, dialog font, size, CreateControls with the client rectangle, centring on
    // the owner. Derived dialogs that override it call it first.
    virtual bool OnInitDialog();
    // Paints the whole dialog into the off-screen surface.
    virtual void Draw(Surface& surface, const Rect& client) = 0;
    // Paints every displayed control that meets the paint rectangle, lists 0 to 8 in order.
    virtual void DrawControls(Surface& surface, const Rect& paint);
    // Creates the controls; runs once per window.
    virtual void CreateControls(int left, int top, int right, int bottom) = 0;

    void SetWindowSize(int width, int height) {
        windowWidth_ = width;
        windowHeight_ = height;
    }
    Size WindowSize() const { return {windowWidth_, windowHeight_}; }
    void SetBackgroundColour(Colour colour) { backgroundColour_ = colour; }
    // What loads a frame picture stores its size here.
    int& BackgroundWidthField() { return backgroundWidth_; }
    int& BackgroundHeightField() { return backgroundHeight_; }
    // A handler may forget the hover control (after rebuilding controls, for instance).
    void ClearHoverControl() { hover_ = nullptr; }
    // The edit field 2017: black text on white.
    std::unique_ptr<EditField> CreateEditField(const Rect& rect, const Font& font,
                                               EditStyle style = {});
    // Timers of the dialog's window, by id.
    void SetTimer(int id, int ms);
    void KillTimer(int id);
    // Repaints the rectangle (the whole client when none).
    void Invalidate(std::optional<Rect> rect = std::nullopt);
    bool ControlsCreated() const { return controlsCreated_; }
    void SetControlsCreated() { controlsCreated_ = true; }

  private:
    bool MakeWindow();
    void CenterOnOwner();
    void ReleaseCapture();
    bool RepaintsWholeWindow(unsigned identifier) const;
    // Offers the move to every displayed control; the last one containing the point wins.
    CControlBase* OfferMove(uint32_t flags);

    UiContext& ui_;
    WindowId owner_;
    WindowKind kind_;
    WindowId window_ = 0;
    bool opened_ = false;
    bool modal_ = false;

    int windowWidth_ = 2254;
    int windowHeight_ = 1480;
    Colour backgroundColour_ = 0xEFE2BA;
    std::unique_ptr<Font> dialogFont_;
    int backgroundWidth_ = 100;
    int backgroundHeight_ = 100;
    std::unique_ptr<Image> offscreen_;
    int inset_ = 0;
    bool controlsCreated_ = false;

    bool tracking_ = false;
    bool buttonDown_ = false;
    Rect pressedRect_{-1, -1, -1, -1};
    bool doubleClick_ = false;
    bool captured_ = false;
    Point lastPoint_{-1, -1};

    std::array<std::vector<std::unique_ptr<CControlBase>>, kListCount> lists_;
    CControlBase* hover_ = nullptr;
    CControlBase* pressed_ = nullptr;
    std::array<WindowId, kPopupSlots> popups_{};
};
