#include "platform/headless/HeadlessPlatform.h"

// Input injection and the pointer's state: capture, tracking, hover.

namespace {
constexpr uint32_t kCapturedKeyMessage = Msg::User + 1;
constexpr uint32_t kReleaseBit = 0x80000000u;
} // namespace

std::optional<HeadlessPlatform::MouseTarget> HeadlessPlatform::RouteMouse(WindowId window,
                                                                          Point client) {
    WindowId target = window;
    Point point = client;
    if (capture_ != 0 && capture_ != window && IsWindow(capture_)) {
        target = capture_;
        point = ScreenToClient(capture_, ClientToScreen(window, client));
    }
    WindowHandler* handler = HandlerOf(target);
    if (!handler || IsDisabledByModal(target)) {
        return std::nullopt;
    }
    return MouseTarget{handler, target, point, leftDown_ ? MouseFlag::LeftButton : 0u};
}

void HeadlessPlatform::PointerAt(WindowId window, Point client, bool moved) {
    if (!IsWindow(window)) {
        return;
    }
    cursor_ = ClientToScreen(window, client);
    const WindowId left = pointerWindow_;
    pointerWindow_ = window;
    if (left != window && tracking_.contains(left)) {
        MouseLeave(left);
    }
    if (moved) {
        lastMoveMs_ = now_.load();
    }
}

void HeadlessPlatform::MouseMove(WindowId window, Point client) {
    PointerAt(window, client, true);
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnMouseMove(t->flags, t->client);
    }
    Pump();
}

void HeadlessPlatform::LeftDown(WindowId window, Point client) {
    PointerAt(window, client, false);
    leftDown_ = true;
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnLButtonDown(t->flags, t->client);
    }
    Pump();
}

void HeadlessPlatform::LeftUp(WindowId window, Point client) {
    PointerAt(window, client, false);
    leftDown_ = false;
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnLButtonUp(t->flags, t->client);
    }
    Pump();
}

void HeadlessPlatform::Click(WindowId window, Point client) {
    LeftDown(window, client);
    LeftUp(window, client);
}

void HeadlessPlatform::DoubleClick(WindowId window, Point client) {
    Click(window, client);
    PointerAt(window, client, false);
    leftDown_ = true;
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnLButtonDblClk(t->flags, t->client);
    }
    Pump();
    LeftUp(window, client);
}

void HeadlessPlatform::RightUp(WindowId window, Point client) {
    PointerAt(window, client, false);
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnRButtonUp(t->flags, t->client);
    }
    Pump();
}

void HeadlessPlatform::Wheel(WindowId window, int delta, Point client) {
    PointerAt(window, client, false);
    if (auto t = RouteMouse(window, client)) {
        t->handler->OnMouseWheel(delta, t->client);
    }
    Pump();
}

HeadlessEdit* HeadlessPlatform::FocusedEditOf(WindowId window) const {
    HeadlessEdit* edit = edits_->focused;
    return edit && edit->Parent() == window && edit->IsEnabled() ? edit : nullptr;
}

void HeadlessPlatform::KeyDown(WindowId window, int vk) {
    WindowHandler* handler = HandlerOf(window);
    if (!handler || IsDisabledByModal(window)) {
        return;
    }
    if (!handler->OnKeyDown(vk)) {
        if (HeadlessEdit* edit = FocusedEditOf(window)) {
            edit->PressKey(vk);
        }
    }
    Pump();
}

void HeadlessPlatform::Char(WindowId window, char16_t ch) {
    WindowHandler* handler = HandlerOf(window);
    if (!handler || IsDisabledByModal(window)) {
        return;
    }
    if (!handler->OnChar(ch)) {
        if (HeadlessEdit* edit = FocusedEditOf(window)) {
            edit->TypeChar(ch);
        }
    }
    Pump();
}

void HeadlessPlatform::Type(WindowId window, const std::u16string& text) {
    for (char16_t ch : text) {
        Char(window, ch);
    }
}

void HeadlessPlatform::Activate(WindowId window) {
    if (WindowHandler* handler = HandlerOf(window)) {
        handler->OnActivate(true);
    }
    Pump();
}

void HeadlessPlatform::Deactivate(WindowId window) {
    if (WindowHandler* handler = HandlerOf(window)) {
        handler->OnActivate(false);
    }
    Pump();
}

void HeadlessPlatform::MouseLeave(WindowId window) {
    tracking_.erase(window);
    if (pointerWindow_ == window) {
        pointerWindow_ = 0;
    }
    if (WindowHandler* handler = HandlerOf(window)) {
        handler->OnMouseLeave();
    }
    Pump();
}

void HeadlessPlatform::Hover(WindowId window) {
    if (auto found = tracking_.find(window); found != tracking_.end()) {
        found->second.hoverArmed = false;
    }
    if (WindowHandler* handler = HandlerOf(window)) {
        handler->OnMouseHover(ScreenToClient(window, cursor_));
    }
    Pump();
}

std::optional<uint64_t> HeadlessPlatform::HoverDue() const {
    const auto found = tracking_.find(pointerWindow_);
    if (found == tracking_.end() || !found->second.hoverArmed) {
        return std::nullopt;
    }
    return lastMoveMs_ + uint64_t(std::max(found->second.hoverMs, 1));
}

void HeadlessPlatform::FireHover() {
    const WindowId window = pointerWindow_;
    tracking_[window].hoverArmed = false;
    if (WindowHandler* handler = HandlerOf(window)) {
        handler->OnMouseHover(ScreenToClient(window, cursor_));
    }
}

bool HeadlessPlatform::TrackMouse(WindowId window, int hoverMs) {
    ++trackMouseCalls_;
    if (trackMouseFails_ || !IsWindow(window)) {
        return false;
    }
    tracking_[window] = {hoverMs, true};
    lastMoveMs_ = std::max(lastMoveMs_, now_.load());
    return true;
}

void HeadlessPlatform::BeginWindowDrag(WindowId window) {
    dragRequests_.push_back(window);
}

void HeadlessPlatform::CaptureMouse(WindowId window) {
    if (IsWindow(window)) {
        capture_ = window;
    }
}

void HeadlessPlatform::ReleaseMouse() {
    capture_ = 0;
}

bool HeadlessPlatform::StartKeyCapture(WindowId window) {
    if (!IsWindow(window)) {
        return false;
    }
    keyCaptureWindow_ = window;
    return true;
}

void HeadlessPlatform::InjectCapturedKey(int vk, bool release, std::optional<uint32_t> timeMs) {
    if (keyCaptureWindow_ == 0) {
        return;
    }
    const uint32_t time = timeMs.value_or(NowMs()) & ~kReleaseBit;
    const intptr_t lParam = intptr_t(time | (release ? kReleaseBit : 0));
    Post(keyCaptureWindow_, kCapturedKeyMessage, uintptr_t(vk & 0xFF), lParam);
    Pump();
}

void HeadlessPlatform::ClickTray(intptr_t trayEvent) {
    if (tray_) {
        Post(tray_->window, tray_->message, uintptr_t(tray_->iconId), trayEvent);
    }
    Pump();
}

void HeadlessPlatform::RequestClose(WindowId window) {
    Send(window, Msg::Close, 0, 0);
    Pump();
}
