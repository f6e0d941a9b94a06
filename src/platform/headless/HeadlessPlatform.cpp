#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>

#include "platform/headless/RecordingSurface.h"

namespace {

Rect Union(const std::optional<Rect>& a, const Rect& b) {
    if (!a) {
        return b;
    }
    return {std::min(a->left, b.left), std::min(a->top, b.top), std::max(a->right, b.right),
            std::max(a->bottom, b.bottom)};
}

} // namespace

HeadlessPlatform::HeadlessPlatform(HeadlessSetup setup, SingleInstanceRegistry* registry)
    : setup_(std::move(setup)),
      ownRegistry_(registry ? nullptr : std::make_unique<SingleInstanceRegistry>()),
      registry_(registry ? *registry : *ownRegistry_), edits_(std::make_shared<EditBoard>()) {
    SetFolders(setup_.programFolder, setup_.userDataBase, setup_.currentFolder);
    edits_->notify = [this](WindowId parent, uintptr_t wParam) {
        Send(parent, Msg::Command, wParam, 0);
    };
}

// Handlers are the test's objects and may be gone already, so nothing is called here.
HeadlessPlatform::~HeadlessPlatform() {
    registry_.ReleaseAll(*this);
}

const HeadlessPlatform::WindowState* HeadlessPlatform::Find(WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

HeadlessPlatform::WindowState* HeadlessPlatform::Find(WindowId window) {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

WindowHandler* HeadlessPlatform::HandlerOf(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->handler : nullptr;
}

// ---- Windows ----

WindowId HeadlessPlatform::MakeWindow(WindowHandler& handler, WindowKind kind, WindowId owner,
                                      const Rect& rect) {
    const WindowId id = nextId_++;
    WindowState& w = windows_[id];
    w.handler = &handler;
    w.kind = kind;
    w.owner = IsWindow(owner) ? owner : 0;
    w.rect = rect;
    w.topmost =
        kind == WindowKind::PopupList || kind == WindowKind::Osd || kind == WindowKind::Notice;
    return id;
}

void HeadlessPlatform::DestroyWindow(WindowId window) {
    if (!IsWindow(window)) {
        return;
    }
    std::vector<WindowId> owned;
    for (const auto& [id, w] : windows_) {
        if (w.owner == window) {
            owned.push_back(id);
        }
    }
    for (WindowId id : owned) {
        DestroyWindow(id);
    }
    WindowHandler* handler = HandlerOf(window);
    if (!handler) {
        return; // an owned window's handler destroyed this one meanwhile
    }
    Forget(window);
    handler->OnDestroyed();
}

void HeadlessPlatform::Forget(WindowId window) {
    windows_.erase(window);
    timers_.DropWindow(window);
    queue_.DropWindow(window);
    tracking_.erase(window);
    if (capture_ == window) {
        capture_ = 0;
    }
    if (pointerWindow_ == window) {
        pointerWindow_ = 0;
    }
    if (edits_->focused && edits_->focused->Parent() == window) {
        edits_->focused = nullptr;
    }
    if (keyCaptureWindow_ == window) {
        keyCaptureWindow_ = 0;
    }
    if (tray_ && tray_->window == window) {
        tray_.reset();
    }
    if (handOverWindow_ == window) {
        handOverWindow_ = 0;
    }
}

bool HeadlessPlatform::IsWindow(WindowId window) const {
    return Find(window) != nullptr;
}

WindowId HeadlessPlatform::Owner(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->owner : 0;
}

void HeadlessPlatform::Show(WindowId window, ShowCommand command) {
    WindowState* w = Find(window);
    if (!w) {
        return;
    }
    w->shows.push_back(command);
    const bool visible = command != ShowCommand::Hide;
    if (command == ShowCommand::Foreground) {
        w->minimized = false;
    }
    if (visible && !w->visible) {
        w->invalid = ClientRect(window);
    }
    w->visible = visible;
}

bool HeadlessPlatform::IsVisible(WindowId window) const {
    const WindowState* w = Find(window);
    return w && w->visible;
}

void HeadlessPlatform::SetTopmost(WindowId window, bool topmost) {
    if (WindowState* w = Find(window)) {
        w->topmost = topmost;
    }
}

void HeadlessPlatform::SetWindowRect(WindowId window, const Rect& rect) {
    WindowState* w = Find(window);
    if (!w) {
        return;
    }
    const bool resized = rect.Width() != w->rect.Width() || rect.Height() != w->rect.Height();
    w->rect = rect;
    if (resized) {
        w->invalid = ClientRect(window);
    }
}

Rect HeadlessPlatform::WindowRect(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->rect : Rect{};
}

Rect HeadlessPlatform::ClientRect(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? Rect{0, 0, std::max(w->rect.Width(), 0), std::max(w->rect.Height(), 0)} : Rect{};
}

Point HeadlessPlatform::ClientToScreen(WindowId window, Point point) const {
    const Rect r = WindowRect(window);
    return {point.x + r.left, point.y + r.top};
}

Point HeadlessPlatform::ScreenToClient(WindowId window, Point point) const {
    const Rect r = WindowRect(window);
    return {point.x - r.left, point.y - r.top};
}

void HeadlessPlatform::SetTitle(WindowId window, const std::u16string& title) {
    if (WindowState* w = Find(window)) {
        w->title = title;
    }
}

void HeadlessPlatform::SetIcon(WindowId window, int iconId) {
    if (WindowState* w = Find(window)) {
        w->iconId = iconId;
    }
}

bool HeadlessPlatform::IsMinimized(WindowId window) const {
    const WindowState* w = Find(window);
    return w && w->minimized;
}

bool HeadlessPlatform::IsMaximized(WindowId window) const {
    const WindowState* w = Find(window);
    return w && w->maximized;
}

void HeadlessPlatform::SetMinimized(WindowId window, bool minimized) {
    if (WindowState* w = Find(window)) {
        w->minimized = minimized;
    }
}

void HeadlessPlatform::SetMaximized(WindowId window, bool maximized) {
    if (WindowState* w = Find(window)) {
        w->maximized = maximized;
    }
}

void HeadlessPlatform::SetOpacity(WindowId window, uint8_t alpha) {
    if (WindowState* w = Find(window)) {
        w->alpha = alpha;
    }
}

std::vector<WindowId> HeadlessPlatform::Windows() const {
    std::vector<WindowId> ids;
    for (const auto& entry : windows_) {
        ids.push_back(entry.first);
    }
    return ids;
}

WindowKind HeadlessPlatform::Kind(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->kind : WindowKind::Dialog;
}

std::u16string HeadlessPlatform::Title(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->title : std::u16string();
}

int HeadlessPlatform::IconId(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->iconId : 0;
}

uint8_t HeadlessPlatform::Opacity(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->alpha : 0;
}

bool HeadlessPlatform::IsTopmost(WindowId window) const {
    const WindowState* w = Find(window);
    return w && w->topmost;
}

std::vector<ShowCommand> HeadlessPlatform::ShowHistory(WindowId window) const {
    const WindowState* w = Find(window);
    return w ? w->shows : std::vector<ShowCommand>{};
}

// ---- Painting ----

void HeadlessPlatform::Invalidate(WindowId window, std::optional<Rect> rect) {
    WindowState* w = Find(window);
    if (!w) {
        return;
    }
    const Rect client = ClientRect(window);
    const Rect area = rect ? rect->Intersect(client) : client;
    if (!area.IsEmpty()) {
        w->invalid = Union(w->invalid, area);
    }
}

bool HeadlessPlatform::IsInvalid(WindowId window) const {
    const WindowState* w = Find(window);
    return w && w->invalid.has_value();
}

void HeadlessPlatform::UpdateNow(WindowId window) {
    const WindowState* w = Find(window);
    if (w && w->visible && w->invalid) {
        Paint(window);
    }
}

void HeadlessPlatform::PaintPending() {
    std::vector<WindowId> pending;
    for (const auto& [id, w] : windows_) {
        if (w.visible && w.invalid) {
            pending.push_back(id);
        }
    }
    for (WindowId id : pending) {
        UpdateNow(id);
    }
}

void HeadlessPlatform::Paint(WindowId window) {
    WindowState* w = Find(window);
    const Rect invalid = *w->invalid;
    w->invalid.reset();
    const Rect client = ClientRect(window);
    RecordingSurface surface(Size{client.right, client.bottom});
    w->handler->OnPaint(surface, client);
    w = Find(window);
    if (!w) {
        return; // destroyed while painting
    }
    if (w->screen.GetSize() != surface.GetSize()) {
        w->screen = PixelBuffer(surface.GetSize());
    }
    w->screen.CopyFrom(surface.Pixels(), invalid);
    paints_[window].push_back({surface.GetSize(), invalid, surface.TakeOps()});
}

const std::vector<PaintRecord>& HeadlessPlatform::Paints(WindowId window) const {
    static const std::vector<PaintRecord> none;
    const auto found = paints_.find(window);
    return found == paints_.end() ? none : found->second;
}

const std::vector<PaintOp>& HeadlessPlatform::LastPaintOps(WindowId window) const {
    static const std::vector<PaintOp> none;
    const std::vector<PaintRecord>& paints = Paints(window);
    return paints.empty() ? none : paints.back().ops;
}

void HeadlessPlatform::ClearPaints() {
    paints_.clear();
}

Colour HeadlessPlatform::Pixel(WindowId window, Point client) const {
    const WindowState* w = Find(window);
    return w ? w->screen.At(client) : 0;
}

bool HeadlessPlatform::SavePpm(WindowId window, const std::u16string& path) const {
    const WindowState* w = Find(window);
    return w && w->screen.SavePpm(path);
}

Colour HeadlessPlatform::ScreenPixel(Point screen) const {
    for (bool topmost : {true, false}) {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
            const WindowState& w = it->second;
            if (w.visible && w.topmost == topmost && w.rect.Contains(screen)) {
                return w.screen.At({screen.x - w.rect.left, screen.y - w.rect.top});
            }
        }
    }
    return 0;
}

// ---- Messages and timers ----

intptr_t HeadlessPlatform::Send(WindowId window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam) {
    WindowHandler* handler = HandlerOf(window);
    return handler ? handler->OnMessage(message, wParam, lParam) : 0;
}

void HeadlessPlatform::Post(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    queue_.Push({window, message, wParam, lParam, {}});
}

void HeadlessPlatform::PostTask(std::function<void()> task) {
    if (task) {
        queue_.Push({0, 0, 0, 0, std::move(task)});
    }
}

void HeadlessPlatform::Deliver(MessageQueue::Item& item) {
    if (item.task) {
        item.task();
    } else {
        Send(item.window, item.message, item.wParam, item.lParam);
    }
}

void HeadlessPlatform::Pump() {
    for (;;) {
        while (std::optional<MessageQueue::Item> item = queue_.Pop()) {
            Deliver(*item);
        }
        PaintPending();
        // Paints that post (or invalidate again) wait for the next round or the next Pump.
        if (queue_.Empty()) {
            return;
        }
    }
}

void HeadlessPlatform::SetTimer(WindowId window, int id, int ms) {
    timers_.Set(window, id, ms, now_.load());
}

void HeadlessPlatform::KillTimer(WindowId window, int id) {
    timers_.Kill(window, id);
}

bool HeadlessPlatform::IsTimerArmed(WindowId window, int id) const {
    return timers_.IsArmed(window, id);
}

void HeadlessPlatform::AdvanceMs(uint32_t ms) {
    const uint64_t target = now_.load() + ms;
    for (;;) {
        const std::optional<uint64_t> timerAt = timers_.NextAt();
        const std::optional<uint64_t> hoverAt = HoverDue();
        const bool timerFirst = timerAt && (!hoverAt || *timerAt <= *hoverAt);
        if (timerFirst && *timerAt <= target) {
            const std::optional<TimerTable::Due> due = timers_.TakeNext(target);
            now_ = std::max(now_.load(), due->at);
            if (WindowHandler* handler = HandlerOf(due->window)) {
                handler->OnTimer(due->id);
            } else {
                timers_.DropWindow(due->window);
            }
        } else if (hoverAt && *hoverAt <= target) {
            now_ = std::max(now_.load(), *hoverAt);
            FireHover();
        } else {
            break;
        }
        Pump();
    }
    now_ = std::max(now_.load(), target);
    Pump();
}

// ---- Modal runs ----

int HeadlessPlatform::RunModal(WindowId window) {
    if (!IsWindow(window)) {
        return -1;
    }
    Show(window, ShowCommand::Show);
    modalStack_.push_back(window);
    if (modalHook_) {
        const std::function<void(WindowId)> hook = modalHook_;
        hook(window);
    }
    Pump();
    std::erase(modalStack_, window);
    const auto ended = modalResults_.find(window);
    const int result = ended != modalResults_.end() && !quit_ ? ended->second : -1;
    if (ended != modalResults_.end()) {
        modalResults_.erase(ended);
    }
    Show(window, ShowCommand::Hide);
    return result;
}

void HeadlessPlatform::EndModal(WindowId window, int result) {
    if (IsWindow(window)) {
        modalResults_[window] = result;
    }
}

bool HeadlessPlatform::OwnsIndirectly(WindowId owner, WindowId window) const {
    for (WindowId w = Owner(window); w != 0; w = Owner(w)) {
        if (w == owner) {
            return true;
        }
    }
    return false;
}

bool HeadlessPlatform::IsDisabledByModal(WindowId window) const {
    return std::any_of(modalStack_.begin(), modalStack_.end(),
                       [&](WindowId modal) { return OwnsIndirectly(window, modal); });
}

bool HeadlessPlatform::IsEnabled(WindowId window) const {
    return IsWindow(window) && !IsDisabledByModal(window);
}
