#include "platform/qt/QtPlatformBackend.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>

#include "platform/qt/QtApplication.h"
#include "platform/qt/QtConvert.h"

// Windows, painting, input state, messages, timers and modal runs.

std::unique_ptr<Platform> MakeQtPlatform(int& argc, char** argv, QtPlatformOptions options) {
    std::unique_ptr<QApplication> app;
    if (!QCoreApplication::instance()) {
        app = MakeQtApplication(argc, argv);
    }
    return std::make_unique<QtPlatform>(std::move(options), std::move(app));
}

const QtPlatform::WindowEntry* QtPlatform::Find(WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

QtPlatform::WindowEntry* QtPlatform::Find(WindowId window) {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

QtWindow* QtPlatform::Widget(WindowId window) const {
    const WindowEntry* entry = Find(window);
    return entry ? entry->widget : nullptr;
}

bool QtPlatform::OnUiThread() const {
    return QThread::currentThread() == tasks_->thread();
}

void QtPlatform::CloseAllWindows() {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        Post(it->first, Msg::Close, 0, 0);
    }
}

// ---- Windows ----

WindowId QtPlatform::MakeWindow(WindowHandler& handler, WindowKind kind, WindowId owner,
                                const Rect& rect) {
    const WindowId id = nextId_++;
    QtWindow* ownerWidget = kind == WindowKind::Osd ? nullptr : Widget(owner);
    auto* widget =
        new QtWindow(handler, kind, ownerWidget, [this](int iconId) { return Icon(iconId); });
    widget->setGeometry(ToQRect(rect));
    windows_[id] = {widget, ownerWidget ? owner : 0, false};
    return id;
}

void QtPlatform::DestroyWindow(WindowId window) {
    if (!IsWindow(window)) {
        return;
    }
    std::vector<WindowId> owned;
    for (const auto& [id, entry] : windows_) {
        if (entry.owner == window) {
            owned.push_back(id);
        }
    }
    for (WindowId id : owned) {
        DestroyWindow(id);
    }
    WindowEntry* entry = Find(window);
    if (!entry) {
        return; // an owned window's handler destroyed this one meanwhile
    }
    QtWindow* widget = entry->widget;
    WindowHandler* handler = widget->Handler();
    windows_.erase(window);
    for (ModalRun* run : modals_) {
        if (run->window == window) {
            run->loop.quit();
        }
    }
    earlyEnds_.erase(window);
    if (capture_ == window) {
        ReleaseMouse();
    }
    if (keyCaptureWindow_ == window) {
        StopKeyCapture();
    }
    if (trayWindow_ == window) {
        RemoveTrayIcon(window);
    }
    if (handOverWindow_ == window) {
        handOverWindow_ = 0;
    }
    widget->Detach();
    widget->hide();
    widget->Retire();
    retired_.emplace_back(widget);
    std::erase_if(retired_, [](const QPointer<QtWindow>& w) { return w.isNull(); });
    if (handler) {
        handler->OnDestroyed();
    }
}

bool QtPlatform::IsWindow(WindowId window) const {
    return Find(window) != nullptr;
}

WindowId QtPlatform::Owner(WindowId window) const {
    const WindowEntry* entry = Find(window);
    return entry ? entry->owner : 0;
}

void QtPlatform::Show(WindowId window, ShowCommand command) {
    WindowEntry* entry = Find(window);
    if (!entry) {
        return;
    }
    QtWindow* widget = entry->widget;
    const bool parkable = widget->Kind() == WindowKind::Main && trayRefusedWindow_ == window;
    entry->parkedOnTaskbar = command == ShowCommand::Hide && parkable;
    switch (command) {
    case ShowCommand::Hide:
        if (entry->parkedOnTaskbar) {
            widget->showMinimized();
        } else {
            widget->hide();
        }
        break;
    case ShowCommand::Show:
        widget->show();
        if (widget->Kind() == WindowKind::PopupList) {
            widget->raise();
            widget->activateWindow();
        }
        break;
    case ShowCommand::ShowNoActivate: {
        const bool quiet = widget->testAttribute(Qt::WA_ShowWithoutActivating);
        widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
        widget->show();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        break;
    }
    case ShowCommand::Foreground:
        if (widget->isMinimized()) {
            widget->showNormal();
        } else {
            widget->show();
        }
        widget->raise();
        widget->activateWindow();
        break;
    }
}

bool QtPlatform::IsVisible(WindowId window) const {
    const WindowEntry* entry = Find(window);
    return entry && entry->widget->isVisible() && !entry->parkedOnTaskbar;
}

void QtPlatform::SetTopmost(WindowId window, bool topmost) {
    QtWindow* widget = Widget(window);
    if (!widget || widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;
    }
    // Changing the flags hides the window; it comes back where it was, without taking focus.
    const bool visible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible) {
        const bool quiet = widget->testAttribute(Qt::WA_ShowWithoutActivating);
        widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
        widget->show();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    }
}

void QtPlatform::SetWindowRect(WindowId window, const Rect& rect) {
    if (QtWindow* widget = Widget(window)) {
        widget->setGeometry(ToQRect(rect));
    }
}

Rect QtPlatform::WindowRect(WindowId window) const {
    const QtWindow* widget = Widget(window);
    return widget ? FromQRect(widget->geometry()) : Rect{};
}

Rect QtPlatform::ClientRect(WindowId window) const {
    const QtWindow* widget = Widget(window);
    return widget ? Rect{0, 0, widget->width(), widget->height()} : Rect{};
}

Point QtPlatform::ClientToScreen(WindowId window, Point point) const {
    const QtWindow* widget = Widget(window);
    return widget ? FromQPoint(widget->mapToGlobal(ToQPoint(point))) : point;
}

Point QtPlatform::ScreenToClient(WindowId window, Point point) const {
    const QtWindow* widget = Widget(window);
    return widget ? FromQPoint(widget->mapFromGlobal(ToQPoint(point))) : point;
}

void QtPlatform::SetTitle(WindowId window, const std::u16string& title) {
    if (QtWindow* widget = Widget(window)) {
        widget->setWindowTitle(ToQString(title));
    }
}

void QtPlatform::SetIcon(WindowId window, int iconId) {
    QtWindow* widget = Widget(window);
    const QImage* icon = Icon(iconId);
    if (widget && icon) {
        widget->setWindowIcon(QIcon(QPixmap::fromImage(*icon)));
    }
}

bool QtPlatform::IsMinimized(WindowId window) const {
    const QtWindow* widget = Widget(window);
    return widget && widget->isMinimized();
}

bool QtPlatform::IsMaximized(WindowId window) const {
    const QtWindow* widget = Widget(window);
    return widget && widget->isMaximized();
}

void QtPlatform::SetOpacity(WindowId window, uint8_t alpha) {
    if (QtWindow* widget = Widget(window)) {
        widget->setWindowOpacity(alpha / 255.0);
    }
}

void QtPlatform::Invalidate(WindowId window, std::optional<Rect> rect) {
    if (QtWindow* widget = Widget(window)) {
        widget->Invalidate(rect ? ToQRect(*rect) : widget->rect());
    }
}

void QtPlatform::UpdateNow(WindowId window) {
    if (QtWindow* widget = Widget(window)) {
        widget->UpdateNow();
    }
}

// ---- Input ----

// The window system moves the window when it can; otherwise the window follows the pointer.
void QtPlatform::BeginWindowDrag(WindowId window) {
    QtWindow* widget = Widget(window);
    if (!widget) {
        return;
    }
    QWindow* handle = widget->windowHandle();
    if (!handle || !handle->startSystemMove()) {
        widget->BeginDrag();
    }
}

void QtPlatform::CaptureMouse(WindowId window) {
    QtWindow* widget = Widget(window);
    if (!widget) {
        return;
    }
    if (QtWindow* previous = Widget(capture_); previous && previous != widget) {
        previous->releaseMouse();
    }
    widget->grabMouse();
    capture_ = window;
}

void QtPlatform::ReleaseMouse() {
    if (QtWindow* widget = Widget(capture_)) {
        widget->releaseMouse();
    }
    capture_ = 0;
}

WindowId QtPlatform::MouseCapture() const {
    return capture_;
}

bool QtPlatform::TrackMouse(WindowId window, int hoverMs) {
    QtWindow* widget = Widget(window);
    if (!widget) {
        return false;
    }
    widget->TrackMouse(hoverMs);
    return true;
}

Point QtPlatform::CursorPos() const {
    return FromQPoint(QCursor::pos());
}

bool QtPlatform::IsLeftButtonDown() const {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

// ---- Messages and timers ----

intptr_t QtPlatform::Send(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (!OnUiThread()) {
        intptr_t result = 0;
        QMetaObject::invokeMethod(
            tasks_.get(), [&] { result = Send(window, message, wParam, lParam); },
            Qt::BlockingQueuedConnection);
        return result;
    }
    const QtWindow* widget = Widget(window);
    WindowHandler* handler = widget ? widget->Handler() : nullptr;
    return handler ? handler->OnMessage(message, wParam, lParam) : 0;
}

void QtPlatform::Post(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    tasks_->Post(
        [this, window, message, wParam, lParam] { Send(window, message, wParam, lParam); });
}

void QtPlatform::PostTask(std::function<void()> task) {
    tasks_->Post(std::move(task));
}

void QtPlatform::SetTimer(WindowId window, int id, int ms) {
    if (!OnUiThread()) {
        tasks_->Post([this, window, id, ms] { SetTimer(window, id, ms); });
        return;
    }
    if (QtWindow* widget = Widget(window)) {
        widget->SetTimer(id, ms);
    }
}

void QtPlatform::KillTimer(WindowId window, int id) {
    if (!OnUiThread()) {
        tasks_->Post([this, window, id] { KillTimer(window, id); });
        return;
    }
    if (QtWindow* widget = Widget(window)) {
        widget->KillTimer(id);
    }
}

bool QtPlatform::IsTimerArmed(WindowId window, int id) const {
    const QtWindow* widget = Widget(window);
    return widget && widget->IsTimerArmed(id);
}

// ---- Modal runs ----

int QtPlatform::RunModal(WindowId window) {
    QtWindow* widget = Widget(window);
    if (!widget || quit_) {
        return -1;
    }
    // Modality takes effect when the window is shown.
    if (widget->isVisible()) {
        widget->hide();
    }
    widget->setWindowModality(Qt::WindowModal);
    Show(window, ShowCommand::Show);
    ModalRun run;
    run.window = window;
    if (const auto early = earlyEnds_.find(window); early != earlyEnds_.end()) {
        run.result = early->second;
        earlyEnds_.erase(early);
    } else {
        modals_.push_back(&run);
        run.loop.exec();
        std::erase(modals_, &run);
    }
    if (QtWindow* still = Widget(window)) {
        still->hide();
        still->setWindowModality(Qt::NonModal);
    }
    return run.result && !quit_ ? *run.result : -1;
}

// Before its run has started (while the dialog sets itself up) the end is kept for the run.
void QtPlatform::EndModal(WindowId window, int result) {
    if (!IsWindow(window)) {
        return;
    }
    for (ModalRun* run : modals_) {
        if (run->window == window) {
            run->result = result;
            run->loop.quit();
            return;
        }
    }
    earlyEnds_[window] = result;
}

void QtPlatform::Quit() {
    quit_ = true;
    for (ModalRun* run : modals_) {
        run->loop.quit();
    }
}
