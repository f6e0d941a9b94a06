#include "platform/qt/QtWindow.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/qt/QtConvert.h"
#include "platform/qt/QtVirtualKeys.h"

namespace {

Qt::WindowFlags FlagsOf(WindowKind kind, bool owned) {
    const Qt::WindowFlags frameless = Qt::FramelessWindowHint;
    switch (kind) {
    case WindowKind::Main:
        return Qt::Window | frameless;
    case WindowKind::Dialog:
        return (owned ? Qt::Dialog : Qt::Window) | frameless;
    case WindowKind::PopupList:
        return Qt::Tool | frameless | Qt::WindowStaysOnTopHint;
    case WindowKind::Osd:
        return Qt::Tool | frameless | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
    case WindowKind::Notice:
        return Qt::Window | frameless | Qt::WindowStaysOnTopHint;
    }
    return Qt::Window | frameless;
}

uint32_t FlagsOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? MouseFlag::LeftButton : 0u) |
           (buttons & Qt::RightButton ? MouseFlag::RightButton : 0u);
}

Point ClientOf(const QMouseEvent* event) {
    return FromQPoint(event->position().toPoint());
}

} // namespace

// One event or callback of the window, for as long as it runs.
class QtWindow::Busy {
  public:
    explicit Busy(QtWindow& window) : window_(window) { window_.Hold(1); }
    ~Busy() { window_.Hold(-1); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    QtWindow& window_;
};

QtWindow::QtWindow(WindowHandler& handler, WindowKind kind, QWidget* owner,
                   QtSurface::IconSource icons)
    : QWidget(owner, FlagsOf(kind, owner != nullptr)), handler_(&handler), kind_(kind),
      icons_(std::move(icons)) {
    // The handler paints every pixel; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating, kind == WindowKind::Osd);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    hoverTimer_.setSingleShot(true);
    QObject::connect(&hoverTimer_, &QTimer::timeout, this, [this] { Hover(); });
}

void QtWindow::Detach() {
    handler_ = nullptr;
    DropTimers();
    hoverTimer_.stop();
    tracking_ = false;
}

// ---- Lifetime ----

void QtWindow::Retire() {
    retired_ = true;
    if (busy_ == 0) {
        deleteLater();
    }
}

// An owner deleted now would take the busy window with it, so the owners wait as well.
void QtWindow::Hold(int step) {
    for (QWidget* widget = this; widget; widget = widget->parentWidget()) {
        auto* window = dynamic_cast<QtWindow*>(widget);
        if (!window) {
            continue;
        }
        window->busy_ += step;
        if (window->busy_ == 0 && window->retired_) {
            window->deleteLater();
        }
    }
}

bool QtWindow::event(QEvent* event) {
    if (event->type() == QEvent::DeferredDelete) {
        return QWidget::event(event);
    }
    const Busy busy(*this);
    return QWidget::event(event);
}

// ---- Painting ----

void QtWindow::Invalidate(const QRect& rect) {
    const QRect area = rect.intersected(this->rect());
    if (!area.isEmpty()) {
        invalid_ += area;
        update(area);
    }
}

void QtWindow::UpdateNow() {
    if (isVisible() && !invalid_.isEmpty()) {
        repaint(invalid_);
    }
}

void QtWindow::paintEvent(QPaintEvent* event) {
    invalid_ -= event->region();
    if (handler_) {
        QImage fresh(size(), QImage::Format_RGB32);
        fresh.fill(Qt::black);
        {
            QtSurface surface(fresh, icons_);
            handler_->OnPaint(surface, {0, 0, width(), height()});
        }
        if (frame_.size() != fresh.size()) {
            frame_ = fresh;
        } else {
            QPainter into(&frame_);
            into.setClipRegion(event->region());
            into.drawImage(0, 0, fresh);
        }
    }
    if (frame_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

// ---- Mouse ----

void QtWindow::mousePressEvent(QMouseEvent* event) {
    if (handler_ && event->button() == Qt::LeftButton) {
        handler_->OnLButtonDown(FlagsOf(event->buttons()), ClientOf(event));
    }
}

void QtWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        return;
    }
    if (!handler_) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        handler_->OnLButtonUp(FlagsOf(event->buttons()), ClientOf(event));
    } else if (event->button() == Qt::RightButton) {
        handler_->OnRButtonUp(FlagsOf(event->buttons()), ClientOf(event));
    }
}

void QtWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (handler_ && event->button() == Qt::LeftButton) {
        handler_->OnLButtonDblClk(FlagsOf(event->buttons()), ClientOf(event));
    }
}

void QtWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    if (hoverArmed_) {
        hoverTimer_.start();
    }
    if (handler_) {
        handler_->OnMouseMove(FlagsOf(event->buttons()), ClientOf(event));
    }
}

void QtWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (handler_ && delta != 0) {
        handler_->OnMouseWheel(delta, FromQPoint(event->position().toPoint()));
    }
}

void QtWindow::TrackMouse(int hoverMs) {
    tracking_ = true;
    hoverArmed_ = true;
    hoverTimer_.setInterval(std::max(hoverMs, 1));
    hoverTimer_.start();
}

void QtWindow::Hover() {
    const Busy busy(*this);
    if (!tracking_ || !hoverArmed_ || !handler_) {
        return;
    }
    hoverArmed_ = false;
    handler_->OnMouseHover(FromQPoint(mapFromGlobal(QCursor::pos())));
}

void QtWindow::leaveEvent(QEvent*) {
    if (!tracking_) {
        return;
    }
    tracking_ = false;
    hoverArmed_ = false;
    hoverTimer_.stop();
    if (handler_) {
        handler_->OnMouseLeave();
    }
}

void QtWindow::BeginDrag() {
    dragging_ = true;
    dragOffset_ = QCursor::pos() - pos();
}

// ---- Keys, activation, close ----

bool QtWindow::Translate(const QKeyEvent& event) {
    const Busy busy(*this);
    if (!handler_) {
        return false;
    }
    const int vk = VirtualKeyOf(event);
    if (vk != 0 && handler_->OnKeyDown(vk)) {
        return true;
    }
    bool swallowed = false;
    for (const QChar ch : event.text()) {
        swallowed = (handler_ && handler_->OnChar(ch.unicode())) || swallowed;
    }
    return swallowed;
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
    Translate(*event);
}

void QtWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && handler_) {
        handler_->OnActivate(isActiveWindow());
    }
}

// The window system's close button asks; the handler decides whether the window goes.
void QtWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (handler_) {
        handler_->OnMessage(Msg::Close, 0, 0);
    }
}

// ---- Timers ----

void QtWindow::SetTimer(int id, int ms) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, this, [this, id] {
            const Busy busy(*this);
            if (handler_) {
                handler_->OnTimer(id);
            }
        });
    }
    timer->start(std::max(ms, 0));
}

void QtWindow::KillTimer(int id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) {
        found->second->stop();
        found->second->deleteLater();
        timers_.erase(found);
    }
}

void QtWindow::DropTimers() {
    for (const auto& [id, timer] : timers_) {
        timer->stop();
        timer->deleteLater();
    }
    timers_.clear();
}

bool QtWindow::IsTimerArmed(int id) const {
    const auto found = timers_.find(id);
    return found != timers_.end() && found->second->isActive();
}
