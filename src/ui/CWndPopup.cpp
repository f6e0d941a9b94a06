#include "ui/CWndPopup.h"

#include <iterator>

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

struct KindMessage {
    int kind;
    uint32_t message;
};

constexpr KindMessage kDismissal[] = {
    {0, 0x405},  {1, 0x408},  {2, 0x412},  {3, 0x415},  {7, 0x466},  {8, 0x470},  {9, 0x47A},
    {10, 0x484}, {11, 0x487}, {12, 0x48A}, {13, 0x48D}, {14, 0x490}, {15, 0x492},
};

constexpr int kHoverMs = 50;

} // namespace

class CWndPopup::Entry {
  public:
    explicit Entry(CWndPopup& popup) : popup_(popup) { ++popup_.depth_; }
    ~Entry() {
        if (--popup_.depth_ == 0 && popup_.gone_) {
            delete &popup_;
        }
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

  private:
    CWndPopup& popup_;
};

CWndPopup::CWndPopup(UiContext& ui, int kind)
    : ui_(ui), kind_(kind), font_(CreateControlFont(ui)) {}

CWndPopup::~CWndPopup() {
    if (!gone_ && window_ != 0) {
        // Deleted while its window lives: the window must not delete it a second time.
        ++depth_;
        ui_.GetPlatform().DestroyWindow(window_);
    }
}

uint32_t CWndPopup::DismissalMessage(int kind) {
    for (const KindMessage& entry : kDismissal) {
        if (entry.kind == kind) {
            return entry.message;
        }
    }
    return 0;
}

WindowId CWndPopup::Open(std::unique_ptr<CWndPopup> popup, WindowId owner, const Rect& rect,
                         uint32_t message, uintptr_t wParam) {
    if (!popup) {
        return 0;
    }
    Platform& platform = popup->ui_.GetPlatform();
    popup->position_ = {rect.left, rect.top};
    popup->message_ = message;
    popup->wParam_ = wParam;
    popup->window_ = platform.MakeWindow(*popup, WindowKind::PopupList, owner, rect);
    if (popup->window_ == 0) {
        return 0;
    }
    CWndPopup* raw = popup.release();
    const WindowId window = raw->window_;
    {
        Entry entry(*raw);
        raw->InitItems();
        raw->Render();
        const Rect now = platform.WindowRect(window);
        platform.SetWindowRect(window,
                               now.Offset(raw->position_.x - now.left, raw->position_.y - now.top));
        platform.Show(window, ShowCommand::Foreground);
    }
    return platform.IsWindow(window) ? window : 0;
}

void CWndPopup::Render() {
    if (gone_) {
        return;
    }
    Platform& platform = ui_.GetPlatform();
    platform.Invalidate(window_);
    platform.UpdateNow(window_);
}

void CWndPopup::Resize(Size size) {
    Platform& platform = ui_.GetPlatform();
    const Rect now = platform.WindowRect(window_);
    platform.SetWindowRect(window_,
                           {now.left, now.top, now.left + size.width, now.top + size.height});
}

intptr_t CWndPopup::SendToOwner(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Platform& platform = ui_.GetPlatform();
    const WindowId owner = gone_ ? 0 : platform.Owner(window_);
    return owner != 0 ? platform.Send(owner, message, wParam, lParam) : 0;
}

Point CWndPopup::CursorInClient() const {
    const Platform& platform = ui_.GetPlatform();
    return platform.ScreenToClient(window_, platform.CursorPos());
}

void CWndPopup::OnPaint(Surface& surface, const Rect& client) {
    Entry entry(*this);
    FillSolid(surface, client, 0x000000);
    FillSolid(surface, {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1},
              0x000000);
    DrawItems(surface, client);
}

void CWndPopup::OnMouseMove(uint32_t, Point point) {
    Entry entry(*this);
    if (!tracking_) {
        tracking_ = ui_.GetPlatform().TrackMouse(window_, kHoverMs);
    }
    if (!buttonDown_ && OnItemMouseMove(point)) {
        Render();
    }
}

void CWndPopup::OnMouseLeave() {
    Entry entry(*this);
    tracking_ = false;
    if (!buttonDown_ && OnItemMouseMove(CursorInClient())) {
        Render();
    }
}

void CWndPopup::OnMouseHover(Point) {
    Entry entry(*this);
    OnItemMouseMove(CursorInClient());
}

void CWndPopup::OnLButtonDown(uint32_t, Point point) {
    Entry entry(*this);
    buttonDown_ = true;
    if (!captured_) {
        ui_.GetPlatform().CaptureMouse(window_);
        captured_ = true;
    }
    if (OnItemLButtonDown(point)) {
        Render();
    }
}

void CWndPopup::OnLButtonUp(uint32_t, Point point) {
    Entry entry(*this);
    if (captured_) {
        captured_ = false;
        ui_.GetPlatform().ReleaseMouse();
    }
    buttonDown_ = false;
    if (OnItemLButtonUp(point)) {
        Render();
    }
}

void CWndPopup::OnRButtonUp(uint32_t, Point point) {
    Entry entry(*this);
    OnItemRButtonUp(point);
}

void CWndPopup::OnActivate(bool active) {
    Entry entry(*this);
    if (!active) {
        SendToOwner(DismissalMessage(kind_), wParam_, kind_);
    }
}

intptr_t CWndPopup::OnMessage(uint32_t message, uintptr_t, intptr_t) {
    Entry entry(*this);
    if (message == Msg::Close && !gone_) {
        SendToOwner(PopupMsg::Closed, 0, 0);
        ui_.GetPlatform().DestroyWindow(window_);
    }
    return 0;
}

void CWndPopup::OnDestroyed() {
    gone_ = true;
    if (depth_ == 0) {
        delete this;
    }
}

void CWndPopup::DrawItems(Surface&, const Rect&) {}

void CWndPopup::DrawIcons(Surface&, const Rect&) {}

void CWndPopup::InitItems() {}

bool CWndPopup::OnItemMouseMove(Point) {
    return false;
}

bool CWndPopup::OnItemLButtonDown(Point) {
    return false;
}

bool CWndPopup::OnItemLButtonUp(Point) {
    return false;
}

bool CWndPopup::OnItemRButtonUp(Point) {
    return false;
}
