#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPointer>
#include <QSystemTrayIcon>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Platform.h"
#include "platform/qt/QtKeyCapture.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtTaskQueue.h"
#include "platform/qt/QtTermination.h"
#include "platform/qt/QtWindow.h"

// The Qt backend. Windows are top-level QtWindow widgets (owned ones are Qt children of their
// owner, so the window system keeps them above it and a modal run blocks the owner); posted
// messages and tasks go through one queue on the UI thread, so they keep their order.
class QtPlatform : public Platform {
  public:
    // A QApplication must exist; app is kept and destroyed last when given.
    explicit QtPlatform(QtPlatformOptions options = {}, std::unique_ptr<QApplication> app = {});
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // The window's widget (tests look at it and feed it events); null when it has gone.
    QtWindow* Widget(WindowId window) const;

    WindowId MakeWindow(WindowHandler& handler, WindowKind kind, WindowId owner,
                        const Rect& rect) override;
    void DestroyWindow(WindowId window) override;
    bool IsWindow(WindowId window) const override;
    WindowId Owner(WindowId window) const override;
    void Show(WindowId window, ShowCommand command) override;
    bool IsVisible(WindowId window) const override;
    void SetTopmost(WindowId window, bool topmost) override;
    void SetWindowRect(WindowId window, const Rect& rect) override;
    Rect WindowRect(WindowId window) const override;
    Rect ClientRect(WindowId window) const override;
    Point ClientToScreen(WindowId window, Point point) const override;
    Point ScreenToClient(WindowId window, Point point) const override;
    void SetTitle(WindowId window, const std::u16string& title) override;
    void SetIcon(WindowId window, int iconId) override;
    bool IsMinimized(WindowId window) const override;
    bool IsMaximized(WindowId window) const override;
    void SetOpacity(WindowId window, uint8_t alpha) override;
    void Invalidate(WindowId window, std::optional<Rect> rect = std::nullopt) override;
    void UpdateNow(WindowId window) override;

    void BeginWindowDrag(WindowId window) override;
    void CaptureMouse(WindowId window) override;
    void ReleaseMouse() override;
    WindowId MouseCapture() const override;
    bool TrackMouse(WindowId window, int hoverMs) override;
    Point CursorPos() const override;
    bool IsLeftButtonDown() const override;

    // Off the UI thread Send waits for the UI thread to run the handler.
    intptr_t Send(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void Post(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void PostTask(std::function<void()> task) override;

    void SetTimer(WindowId window, int id, int ms) override;
    void KillTimer(WindowId window, int id) override;
    bool IsTimerArmed(WindowId window, int id) const override;

    // Runs a nested event loop; -1 when the window went away or Quit ended the run.
    int RunModal(WindowId window) override;
    void EndModal(WindowId window, int result) override;
    void Quit() override;

    Size FullScreenSize() const override;
    Rect WorkArea() const override;
    int LogicalDpi() const override;
    Colour ScreenPixel(Point screen) const override;

    std::unique_ptr<Image> LoadImageFile(const std::u16string& path) override;
    // ProgramFolder() + "res/<id>.bmp" or ".png".
    std::unique_ptr<Image> LoadResourceImage(int id) override;
    std::unique_ptr<Image> CreateImage(Size size) override;
    void PaintInto(Image& image, const std::function<void(Surface&)>& paint) override;
    std::unique_ptr<Font> MakeFont(const FontRequest& request) override;
    FontRequest DefaultGuiFont() const override;
    Size MeasureText(const std::u16string& text, const Font& font) const override;

    std::unique_ptr<EditField> CreateEdit(WindowId parent, int id, const Rect& rect,
                                          const Font& font, const EditStyle& style) override;

    bool AddTrayIcon(WindowId window, int iconId, const std::u16string& tip,
                     uint32_t callbackMessage) override;
    void RemoveTrayIcon(WindowId window) override;
    int PopupMenu(WindowId window, const std::vector<MenuItem>& items, Point screen) override;

    std::optional<std::u16string> OpenFileDialog(WindowId owner,
                                                 const FileDialogRequest& request) override;
    std::optional<std::u16string> SaveFileDialog(WindowId owner,
                                                 const FileDialogRequest& request) override;
    // Addresses go to the desktop; an executable file is started; other files are opened with
    // their application.
    bool ShellOpen(const std::u16string& target) override;
    bool OpenMouseSettings() override;

    bool ClaimSingleInstance(const std::u16string& name) override;
    void SetHandOverWindow(WindowId window, uint32_t handOverMessage) override;

    std::u16string ProgramFolder() const override { return programFolder_; }
    std::u16string UserDataBase() const override { return userDataBase_; }
    std::u16string CurrentFolder() const override;
    bool EnsureFolder(const std::u16string& path) override;

    // Keys reach the capture window while one of the program's windows has the keyboard focus.
    bool StartKeyCapture(WindowId window) override;
    void StopKeyCapture() override;

    uint32_t NowMs() const override;
    void SleepMs(int ms) override;
    void RaiseThreadPriority() override;
    std::unique_ptr<HidBus> NativeHidBus() override;

  private:
    struct WindowEntry {
        QtWindow* widget = nullptr;
        WindowId owner = 0;
        // Hidden while the desktop has no tray: minimised instead, so it stays reachable.
        bool parkedOnTaskbar = false;
    };
    struct ModalRun {
        WindowId window = 0;
        QEventLoop loop;
        std::optional<int> result;
    };

    const WindowEntry* Find(WindowId window) const;
    WindowEntry* Find(WindowId window);
    bool OnUiThread() const;
    // A termination signal: every window is asked to close, the newest (innermost) first.
    void CloseAllWindows();
    const QImage* Icon(int iconId);
    QString FilterOf(const FileDialogRequest& request) const;
    std::optional<std::u16string> RunFileDialog(WindowId owner, const FileDialogRequest& request,
                                                bool save);

    std::unique_ptr<QApplication> app_;
    std::u16string programFolder_;
    std::u16string userDataBase_;
    std::unique_ptr<QtTaskQueue> tasks_;
    std::map<WindowId, WindowEntry> windows_;
    // Destroyed windows whose widgets wait for the event loop to delete them.
    std::vector<QPointer<QtWindow>> retired_;
    WindowId nextId_ = 1;
    WindowId capture_ = 0;

    std::vector<ModalRun*> modals_;
    std::map<WindowId, int> earlyEnds_;
    bool quit_ = false;

    std::map<int, QImage> icons_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    WindowId trayWindow_ = 0;
    WindowId trayRefusedWindow_ = 0;

    std::unique_ptr<QtSingleInstance> instance_;
    WindowId handOverWindow_ = 0;
    uint32_t handOverMessage_ = 0;
    std::unique_ptr<QtKeyCapture> keyCapture_;
    std::unique_ptr<QtTermination> termination_;
    WindowId keyCaptureWindow_ = 0;
};
