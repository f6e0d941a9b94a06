#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <map>

#include "platform/Platform.h"
#include "platform/qt/QtSurface.h"

// One top-level window: frameless, painted from an off-screen frame that its handler draws,
// passing the window system's input on to the handler as client-pixel callbacks.
class QtWindow : public QWidget {
  public:
    QtWindow(WindowHandler& handler, WindowKind kind, QWidget* owner, QtSurface::IconSource icons);

    WindowHandler* Handler() const { return handler_; }
    WindowKind Kind() const { return kind_; }
    // The handler is gone or going: nothing is called on it any more.
    void Detach();
    // Deletes the window once none of its events and callbacks, nor those of the windows it
    // owns, is running: a handler that runs a nested event loop, in which the window is
    // destroyed, must not return into a deleted window.
    void Retire();

    void Invalidate(const QRect& rect);
    void UpdateNow();
    // What the window shows, as last painted.
    const QImage& Frame() const { return frame_; }

    void SetTimer(int id, int ms);
    void KillTimer(int id);
    bool IsTimerArmed(int id) const;

    void TrackMouse(int hoverMs);
    // Moves the window with the pointer until the left button is released, for window systems
    // that cannot move it themselves.
    void BeginDrag();

    // The key's pre-translation: OnKeyDown, then OnChar for its characters. True when the
    // handler swallowed it.
    bool Translate(const QKeyEvent& event);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    class Busy;

    void Hover();
    void DropTimers();
    // Counts a running event or callback of this window on it and on its owners.
    void Hold(int step);

    WindowHandler* handler_;
    WindowKind kind_;
    QtSurface::IconSource icons_;
    QImage frame_;
    QRegion invalid_;
    // Children of the window; a timer killed from its own callback is deleted later.
    std::map<int, QTimer*> timers_;
    bool tracking_ = false;
    bool hoverArmed_ = false;
    QTimer hoverTimer_;
    bool dragging_ = false;
    QPoint dragOffset_;
    int busy_ = 0;
    bool retired_ = false;
};
