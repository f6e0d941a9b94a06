#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid/HidBus.h"
#include "platform/Geometry.h"
#include "platform/Messages.h"

// The small platform layer the toolkit, the dialogs and the application are written against.
// It maps one to one onto Win32; the headless backend (tests) and the Qt backend (Linux) follow
// the same contract (names avoid the Win32 macros such as CreateWindow and DrawText). Everything
// here is called on the UI thread unless it says "any thread".

// A picture in memory: loaded from a PNG or BMP file or a numbered resource, or made empty to
// be painted into (an off-screen background).
class Image {
  public:
    virtual ~Image() = default;
    virtual Size GetSize() const = 0;
    // Top-down rows of 0x00RRGGBB pixels, alpha dropped; empty when the pixels cannot be read.
    virtual std::vector<uint32_t> ReadRgb() const = 0;
};

// What CreateFontW takes; height and width in pixels (height > 0 is the cell height, < 0 the
// character height), weight 0 for the default.
struct FontRequest {
    std::u16string face;
    int height = 0;
    int width = 0;
    int weight = 0;
    int charset = 1;
    int pitchAndFamily = 0;
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

class Font {
  public:
    virtual ~Font() = default;
    virtual const FontRequest& Attributes() const = 0;
};

// An off-screen drawing surface handed to OnPaint, or made over an Image with PaintInto.
class Surface {
  public:
    virtual ~Surface() = default;
    virtual Size GetSize() const = 0;
    virtual void Fill(const Rect& rect, Colour colour) = 0;
    // Stretches the source rectangle of the picture (in picture pixels) to the destination with
    // high-quality interpolation and a half-pixel offset.
    virtual void DrawImage(const Image& image, const RectF& dest, const Rect& source) = 0;
    // Bitmap stretch; halftone chooses the averaging mode over plain copying.
    virtual void StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                               bool halftone) = 0;
    // Transparent background; flags are TextFlag values.
    virtual void DrawString(const std::u16string& text, const Rect& rect, const Font& font,
                            Colour colour, uint32_t flags) = 0;
    virtual void SetPixel(Point point, Colour colour) = 0;
    // The program icon (resource 128) stretched into the rectangle.
    virtual void DrawIcon(int iconId, const Rect& rect) = 0;
};

enum class WindowKind {
    Main,      // the application window: taskbar entry, no frame
    Dialog,    // a skinned dialog owned by another window, no frame
    PopupList, // topmost tool window owned by a dialog; reports loss of activation
    Osd,       // topmost tool window without owner that never takes the focus
    Notice,    // a dialog without owner, shown topmost (the non-modal attention dialog)
};

enum class ShowCommand { Hide, Show, ShowNoActivate, Foreground };

// Window ids are never reused, so a message posted to a window that has gone is just dropped.
using WindowId = uint64_t;

// The callbacks of one window. Coordinates are client pixels; flags are MouseFlag values.
class WindowHandler {
  public:
    virtual ~WindowHandler() = default;
    virtual void OnPaint(Surface& surface, const Rect& client) = 0;
    virtual void OnMouseMove(uint32_t, Point) {}
    virtual void OnMouseLeave() {}
    virtual void OnMouseHover(Point) {}
    virtual void OnLButtonDown(uint32_t, Point) {}
    virtual void OnLButtonUp(uint32_t, Point) {}
    virtual void OnLButtonDblClk(uint32_t, Point) {}
    virtual void OnRButtonUp(uint32_t, Point) {}
    virtual void OnMouseWheel(int /*delta*/, Point) {}
    // Seen before the window or its edit fields handle the key (pre-translation); true swallows
    // it. vk is a Windows virtual-key code.
    virtual bool OnKeyDown(int /*vk*/) { return false; }
    // A typed character; true swallows it before it reaches an edit field.
    virtual bool OnChar(char16_t) { return false; }
    // Loss (false) or gain (true) of activation.
    virtual void OnActivate(bool) {}
    virtual void OnTimer(int /*id*/) {}
    // Sent and posted messages, Msg::Close (the window system's close request included),
    // Msg::Command from edit fields and the tray menu, Msg::DeviceChange, and the program's own.
    virtual intptr_t OnMessage(uint32_t, uintptr_t, intptr_t) { return 0; }
    // The window is gone; the handler may delete itself here and nothing touches it afterwards.
    virtual void OnDestroyed() {}
};

struct EditStyle {
    bool centred = false;
    Colour text = 0x000000;
    Colour background = 0xFFFFFF;
    int maxLength = 0; // 0: no limit
};

// A real single-line edit control inside a window. Changes are reported to the parent window as
// Msg::Command with wParam = id | kEditChanged << 16.
class EditField {
  public:
    virtual ~EditField() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(const std::u16string& text) = 0;
    virtual void SelectAll() = 0;
    virtual void CaretToEnd() = 0;
    virtual void Focus() = 0;
    virtual bool HasFocus() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual void Show(bool shown) = 0;
    virtual void SetRect(const Rect& rect) = 0;
};

struct MenuItem {
    int command = 0; // 0 draws a separator
    std::u16string text;
};

struct FileDialogRequest {
    std::u16string title;
    std::u16string filterName; // "Profile files"
    std::u16string extension;  // "psf", without the dot
    std::u16string initialName;
    std::u16string startFolder; // empty: the process's current folder
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Windows. The rectangle is in screen pixels. The window starts hidden.
    virtual WindowId MakeWindow(WindowHandler& handler, WindowKind kind, WindowId owner,
                                const Rect& rect) = 0;
    // Hides and removes the window, then calls OnDestroyed. Safe on a window that has gone.
    virtual void DestroyWindow(WindowId window) = 0;
    virtual bool IsWindow(WindowId window) const = 0;
    virtual WindowId Owner(WindowId window) const = 0;
    virtual void Show(WindowId window, ShowCommand command) = 0;
    virtual bool IsVisible(WindowId window) const = 0;
    virtual void SetTopmost(WindowId window, bool topmost) = 0;
    virtual void SetWindowRect(WindowId window, const Rect& rect) = 0;
    virtual Rect WindowRect(WindowId window) const = 0;
    // (0, 0, width, height): windows have no frame.
    virtual Rect ClientRect(WindowId window) const = 0;
    virtual Point ClientToScreen(WindowId window, Point point) const = 0;
    virtual Point ScreenToClient(WindowId window, Point point) const = 0;
    virtual void SetTitle(WindowId window, const std::u16string& title) = 0;
    virtual void SetIcon(WindowId window, int iconId) = 0;
    virtual bool IsMinimized(WindowId window) const = 0;
    virtual bool IsMaximized(WindowId window) const = 0;
    // Constant alpha, 255 opaque.
    virtual void SetOpacity(WindowId window, uint8_t alpha) = 0;
    // Asks for a repaint of the rectangle (the whole client when none); paints are coalesced and
    // come as OnPaint with a fresh off-screen surface of the client size.
    virtual void Invalidate(WindowId window, std::optional<Rect> rect = std::nullopt) = 0;
    // Paints now what is invalid.
    virtual void UpdateNow(WindowId window) = 0;

    // Input.
    // Lets the window system move the window from the press that is in progress.
    virtual void BeginWindowDrag(WindowId window) = 0;
    virtual void CaptureMouse(WindowId window) = 0;
    virtual void ReleaseMouse() = 0;
    virtual WindowId MouseCapture() const = 0;
    // Asks for one OnMouseLeave when the pointer leaves and one OnMouseHover after it rested
    // hoverMs; false when the request failed.
    virtual bool TrackMouse(WindowId window, int hoverMs) = 0;
    virtual Point CursorPos() const = 0;
    virtual bool IsLeftButtonDown() const = 0;

    // Messages. Send runs the handler now and returns its result (UI thread). Post queues the
    // message (any thread); it is delivered in order, or dropped when the window has gone.
    virtual intptr_t Send(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void Post(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // Any thread: runs the task on the UI thread, in posting order with the messages.
    virtual void PostTask(std::function<void()> task) = 0;

    // Timers by id per window, periodic until killed; setting an armed timer restarts its
    // period. Any thread.
    virtual void SetTimer(WindowId window, int id, int ms) = 0;
    virtual void KillTimer(WindowId window, int id) = 0;
    virtual bool IsTimerArmed(WindowId window, int id) const = 0;

    // Modal runs: shows the window and processes events until EndModal, then returns its result.
    // The owner gets no input meanwhile.
    virtual int RunModal(WindowId window) = 0;
    virtual void EndModal(WindowId window, int result) = 0;
    // Ends the outermost loop: the application is quitting.
    virtual void Quit() = 0;

    // Screen.
    virtual Size FullScreenSize() const = 0; // the full-screen client area
    virtual Rect WorkArea() const = 0;
    virtual int LogicalDpi() const = 0;
    virtual Colour ScreenPixel(Point screen) const = 0;

    // Pictures and fonts. Missing or unreadable files give nothing.
    virtual std::unique_ptr<Image> LoadImageFile(const std::u16string& path) = 0;
    // Numbered program resources: bitmaps 364 and 287, PNG pictures 187 and 188, icon 128.
    virtual std::unique_ptr<Image> LoadResourceImage(int id) = 0;
    virtual std::unique_ptr<Image> CreateImage(Size size) = 0;
    virtual void PaintInto(Image& image, const std::function<void(Surface&)>& paint) = 0;
    virtual std::unique_ptr<Font> MakeFont(const FontRequest& request) = 0;
    // The stock GUI font of the system (face and height).
    virtual FontRequest DefaultGuiFont() const = 0;
    virtual Size MeasureText(const std::u16string& text, const Font& font) const = 0;

    // An edit field in the window; its keys go to the window's OnKeyDown and OnChar first.
    virtual std::unique_ptr<EditField> CreateEdit(WindowId parent, int id, const Rect& rect,
                                                  const Font& font, const EditStyle& style) = 0;

    // Tray icon: mouse events arrive at the window as callbackMessage with wParam iconId and
    // lParam a TrayEvent. False when the desktop has no tray.
    virtual bool AddTrayIcon(WindowId window, int iconId, const std::u16string& tip,
                             uint32_t callbackMessage) = 0;
    virtual void RemoveTrayIcon(WindowId window) = 0;
    // A context menu at the screen point; the chosen command (0 for none) is also delivered to
    // the window as Msg::Command with wParam = command.
    virtual int PopupMenu(WindowId window, const std::vector<MenuItem>& items, Point screen) = 0;

    virtual std::optional<std::u16string> OpenFileDialog(WindowId owner,
                                                         const FileDialogRequest& request) = 0;
    virtual std::optional<std::u16string> SaveFileDialog(WindowId owner,
                                                         const FileDialogRequest& request) = 0;
    // Opens a file, a program or an address with the desktop's "open" action.
    virtual bool ShellOpen(const std::u16string& target) = 0;
    virtual bool OpenMouseSettings() = 0;

    // Single instance. True when this process is the first one of that name. A later process
    // gets false and has already asked the first to show itself: the first's hand-over window
    // receives handOverMessage (0, 0) before the later process's call returns.
    virtual bool ClaimSingleInstance(const std::u16string& name) = 0;
    virtual void SetHandOverWindow(WindowId window, uint32_t handOverMessage) = 0;

    // Folders, each with a trailing separator.
    virtual std::u16string ProgramFolder() const = 0; // where "skins" lies
    virtual std::u16string UserDataBase() const = 0;  // the per-user application data folder
    virtual std::u16string CurrentFolder() const = 0;
    virtual bool EnsureFolder(const std::u16string& path) = 0;

    // Keyboard capture: while on, every key press and release goes to the window as message
    // 0x401, wParam the virtual-key code, lParam the event time in ms (bits 0-30) with bit 31 set
    // for a release.
    virtual bool StartKeyCapture(WindowId window) = 0;
    virtual void StopKeyCapture() = 0;

    // Time and threads.
    virtual uint32_t NowMs() const = 0;     // any thread
    virtual void SleepMs(int ms) = 0;       // any thread
    virtual void RaiseThreadPriority() = 0; // the calling thread becomes time-critical

    // The machine's own HID bus (hidraw, SetupAPI); the headless backend has none.
    virtual std::unique_ptr<HidBus> NativeHidBus() = 0;
};
