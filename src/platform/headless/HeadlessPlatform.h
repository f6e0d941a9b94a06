#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/HeadlessEdit.h"
#include "platform/headless/HeadlessImage.h"
#include "platform/headless/ImageFileReader.h"
#include "platform/headless/MessageQueue.h"
#include "platform/headless/PaintOp.h"
#include "platform/headless/PixelBuffer.h"
#include "platform/headless/SingleInstanceRegistry.h"
#include "platform/headless/TimerTable.h"

// The screen and folders a headless backend pretends to have.
struct HeadlessSetup {
    Size screen{1920, 1080};
    Rect workArea{0, 0, 1920, 1040};
    int dpi = 96;
    std::u16string programFolder = u"/nonexistent/corvex-program/";
    std::u16string userDataBase = u"/nonexistent/corvex-data/";
    std::u16string currentFolder = u"/nonexistent/corvex-current/";
};

struct MenuRecord {
    WindowId window = 0;
    std::vector<MenuItem> items;
    Point screen;
};

struct FileDialogRecord {
    bool save = false;
    WindowId owner = 0;
    FileDialogRequest request;
};

struct TrayRecord {
    WindowId window = 0;
    int iconId = 0;
    std::u16string tip;
    uint32_t message = 0;
};

// The backend the tests run on. Deterministic: nothing happens until the test pumps, advances
// the manual clock or injects input. Post, PostTask, SetTimer, KillTimer, NowMs and SleepMs may
// be called from any thread; everything else belongs to the test's thread.
//
// Windows are painted only while visible (showing one invalidates it whole); each paint is kept
// as a PaintRecord, and the window's "screen" keeps the rasterised result for Pixel and
// ScreenPixel.
class HeadlessPlatform : public Platform {
  public:
    // Without a registry the backend has a private one and is always the first instance.
    explicit HeadlessPlatform(HeadlessSetup setup = {}, SingleInstanceRegistry* registry = nullptr);
    ~HeadlessPlatform() override;
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    // ---- Driving the backend ----
    // Delivers queued messages and tasks in order until none is left (messages to windows that
    // have gone are dropped), then paints each invalid visible window once.
    void Pump();
    // Moves the clock, firing due timers (and a due mouse hover) in time order, pumping after
    // each, then pumps.
    void AdvanceMs(uint32_t ms);
    size_t QueuedCount() const { return queue_.Count(); }

    // ---- Input, by client coordinates of a window; each event is followed by Pump ----
    // Mouse events go to the capturing window when there is one; a window disabled by a modal
    // run gets none.
    void MouseMove(WindowId window, Point client);
    void LeftDown(WindowId window, Point client);
    void LeftUp(WindowId window, Point client);
    void Click(WindowId window, Point client);
    // Down, up, double click, up, as the window system sends them.
    void DoubleClick(WindowId window, Point client);
    void RightUp(WindowId window, Point client);
    void Wheel(WindowId window, int delta, Point client);
    // OnKeyDown first; when not swallowed, the focused edit field of the window gets the key.
    void KeyDown(WindowId window, int vk);
    // OnChar first; when not swallowed, the focused edit field of the window gets the character.
    void Char(WindowId window, char16_t ch);
    void Type(WindowId window, const std::u16string& text);
    void Activate(WindowId window);
    void Deactivate(WindowId window);
    // Delivered whether or not the window asked TrackMouse; ends its tracking.
    void MouseLeave(WindowId window);
    void Hover(WindowId window);
    // While key capture is on: message 0x401 to the capture window (posted, then pumped).
    void InjectCapturedKey(int vk, bool release, std::optional<uint32_t> timeMs = std::nullopt);
    // The tray icon's window gets its callback message (posted, then pumped).
    void ClickTray(intptr_t trayEvent);
    // Sends Msg::Close, as the window system's close button does.
    void RequestClose(WindowId window);

    // ---- Test settings ----
    void SetScreen(Size fullScreen, const Rect& workArea, int dpi);
    void SetFolders(const std::u16string& program, const std::u16string& userDataBase,
                    const std::u16string& current);
    void SetModalHook(std::function<void(WindowId)> hook) { modalHook_ = std::move(hook); }
    void SetTrackMouseFails(bool fails) { trackMouseFails_ = fails; }
    void SetTrayAvailable(bool available) { trayAvailable_ = available; }
    void SetMenuAnswer(int command) { menuAnswer_ = command; }
    void SetOpenFileAnswer(std::optional<std::u16string> path) { openAnswer_ = std::move(path); }
    void SetSaveFileAnswer(std::optional<std::u16string> path) { saveAnswer_ = std::move(path); }
    void SetShellOpenResult(bool result) { shellOpenResult_ = result; }
    void SetMinimized(WindowId window, bool minimized);
    void SetMaximized(WindowId window, bool maximized);
    void SetDefaultGuiFont(FontRequest request) { defaultGuiFont_ = std::move(request); }
    // In-memory pictures, found before files. Pixels are top-down 0x00RRGGBB or empty.
    void AddImage(const std::u16string& path, Size size, std::vector<uint32_t> rgb = {});
    void AddResourceImage(int id, Size size, std::vector<uint32_t> rgb = {});

    // ---- What happened ----
    // Live windows in creation order.
    std::vector<WindowId> Windows() const;
    WindowKind Kind(WindowId window) const;
    std::u16string Title(WindowId window) const;
    int IconId(WindowId window) const;
    uint8_t Opacity(WindowId window) const;
    bool IsTopmost(WindowId window) const;
    std::vector<ShowCommand> ShowHistory(WindowId window) const;
    bool IsEnabled(WindowId window) const; // false while a modal run it owns is open
    const std::vector<WindowId>& ModalStack() const { return modalStack_; }
    bool QuitRequested() const { return quit_; }

    // Paints of a window, also after it has gone; the last one's operations.
    const std::vector<PaintRecord>& Paints(WindowId window) const;
    const std::vector<PaintOp>& LastPaintOps(WindowId window) const;
    void ClearPaints();
    bool IsInvalid(WindowId window) const;
    // The window's rasterised content at a client point (0 before any paint).
    Colour Pixel(WindowId window, Point client) const;
    bool SavePpm(WindowId window, const std::u16string& path) const;

    const std::vector<WindowId>& DragRequests() const { return dragRequests_; }
    int TrackMouseCalls() const { return trackMouseCalls_; }
    bool IsTracking(WindowId window) const { return tracking_.contains(window); }
    HeadlessEdit* FindEdit(WindowId parent, int id) const;
    HeadlessEdit* FocusedEdit() const { return edits_->focused; }
    const std::optional<TrayRecord>& Tray() const { return tray_; }
    const std::vector<MenuRecord>& Menus() const { return menus_; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
    const std::vector<std::u16string>& ShellOpened() const { return shellOpened_; }
    int MouseSettingsOpened() const { return mouseSettingsOpened_; }
    WindowId KeyCaptureWindow() const { return keyCaptureWindow_; }
    const std::vector<FontRequest>& FontsMade() const { return fontsMade_; }
    uint64_t SleptMs() const { return slept_; }
    int PriorityRaises() const { return priorityRaises_; }
    // The first instance's side of the hand-over: sends the hand-over message now.
    void HandOver();

    // ---- Platform ----
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
    WindowId MouseCapture() const override { return capture_; }
    bool TrackMouse(WindowId window, int hoverMs) override;
    Point CursorPos() const override { return cursor_; }
    bool IsLeftButtonDown() const override { return leftDown_; }

    intptr_t Send(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void Post(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void PostTask(std::function<void()> task) override;

    void SetTimer(WindowId window, int id, int ms) override;
    void KillTimer(WindowId window, int id) override;
    bool IsTimerArmed(WindowId window, int id) const override;

    // Shows the window, calls the modal hook with it, then pumps; returns the EndModal result,
    // or -1 when nothing ended the run (no hook, empty queue) or Quit was called.
    int RunModal(WindowId window) override;
    void EndModal(WindowId window, int result) override;
    void Quit() override { quit_ = true; }

    Size FullScreenSize() const override { return setup_.screen; }
    Rect WorkArea() const override { return setup_.workArea; }
    int LogicalDpi() const override { return setup_.dpi; }
    // The painted content of the topmost visible window there, else 0.
    Colour ScreenPixel(Point screen) const override;

    std::unique_ptr<Image> LoadImageFile(const std::u16string& path) override;
    // Registered resources first, then ProgramFolder() + "res/<id>.bmp" or ".png".
    std::unique_ptr<Image> LoadResourceImage(int id) override;
    std::unique_ptr<Image> CreateImage(Size size) override;
    void PaintInto(Image& image, const std::function<void(Surface&)>& paint) override;
    std::unique_ptr<Font> MakeFont(const FontRequest& request) override;
    FontRequest DefaultGuiFont() const override { return defaultGuiFont_; }
    // Every character is the font's width (or half its height) wide and the height tall.
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
    bool ShellOpen(const std::u16string& target) override;
    bool OpenMouseSettings() override;

    bool ClaimSingleInstance(const std::u16string& name) override;
    void SetHandOverWindow(WindowId window, uint32_t handOverMessage) override;

    std::u16string ProgramFolder() const override { return setup_.programFolder; }
    std::u16string UserDataBase() const override { return setup_.userDataBase; }
    std::u16string CurrentFolder() const override { return setup_.currentFolder; }
    bool EnsureFolder(const std::u16string& path) override;

    bool StartKeyCapture(WindowId window) override;
    void StopKeyCapture() override { keyCaptureWindow_ = 0; }

    uint32_t NowMs() const override { return uint32_t(now_.load()); }
    void SleepMs(int ms) override;
    void RaiseThreadPriority() override { ++priorityRaises_; }
    std::unique_ptr<HidBus> NativeHidBus() override { return nullptr; }

  private:
    struct WindowState {
        WindowHandler* handler = nullptr;
        WindowKind kind = WindowKind::Dialog;
        WindowId owner = 0;
        Rect rect;
        bool visible = false;
        bool topmost = false;
        bool minimized = false;
        bool maximized = false;
        std::u16string title;
        int iconId = 0;
        uint8_t alpha = 255;
        std::optional<Rect> invalid;
        PixelBuffer screen;
        std::vector<ShowCommand> shows;
    };
    struct Tracking {
        int hoverMs = 0;
        bool hoverArmed = true;
    };
    struct MouseTarget {
        WindowHandler* handler;
        WindowId window;
        Point client;
        uint32_t flags;
    };

    const WindowState* Find(WindowId window) const;
    WindowState* Find(WindowId window);
    WindowHandler* HandlerOf(WindowId window) const;
    void Deliver(MessageQueue::Item& item);
    void PaintPending();
    void Paint(WindowId window);
    void Forget(WindowId window);
    bool IsDisabledByModal(WindowId window) const;
    bool OwnsIndirectly(WindowId owner, WindowId window) const;
    // Moves the pointer to the window's point: leave for the window it left, hover restart.
    void PointerAt(WindowId window, Point client, bool moved);
    std::optional<MouseTarget> RouteMouse(WindowId window, Point client);
    std::optional<uint64_t> HoverDue() const;
    void FireHover();
    HeadlessEdit* FocusedEditOf(WindowId window) const;
    std::unique_ptr<Image> FromRegistered(const std::u16string& key);

    HeadlessSetup setup_;
    std::unique_ptr<SingleInstanceRegistry> ownRegistry_;
    SingleInstanceRegistry& registry_;
    MessageQueue queue_;
    TimerTable timers_;
    std::atomic<uint64_t> now_{0};
    std::atomic<uint64_t> slept_{0};
    std::atomic<int> priorityRaises_{0};

    std::map<WindowId, WindowState> windows_;
    std::map<WindowId, std::vector<PaintRecord>> paints_;
    WindowId nextId_ = 1;

    WindowId capture_ = 0;
    WindowId pointerWindow_ = 0;
    Point cursor_;
    bool leftDown_ = false;
    uint64_t lastMoveMs_ = 0;
    std::map<WindowId, Tracking> tracking_;
    bool trackMouseFails_ = false;
    int trackMouseCalls_ = 0;
    std::vector<WindowId> dragRequests_;

    std::function<void(WindowId)> modalHook_;
    std::vector<WindowId> modalStack_;
    std::map<WindowId, int> modalResults_;
    bool quit_ = false;

    std::shared_ptr<EditBoard> edits_;
    std::map<std::u16string, DecodedImage> registered_;

    bool trayAvailable_ = true;
    std::optional<TrayRecord> tray_;
    int menuAnswer_ = 0;
    std::vector<MenuRecord> menus_;
    std::optional<std::u16string> openAnswer_;
    std::optional<std::u16string> saveAnswer_;
    std::vector<FileDialogRecord> fileDialogs_;
    bool shellOpenResult_ = true;
    std::vector<std::u16string> shellOpened_;
    int mouseSettingsOpened_ = 0;
    WindowId handOverWindow_ = 0;
    uint32_t handOverMessage_ = 0;
    WindowId keyCaptureWindow_ = 0;
    FontRequest defaultGuiFont_{u"MS Shell Dlg", -11, 0, 400, 1, 0};
    std::vector<FontRequest> fontsMade_;
};
