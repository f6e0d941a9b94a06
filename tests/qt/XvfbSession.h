#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace qt_test {

// Kills a program that still runs and waits a bounded time for it to go.
void StopProcess(QProcess& process);

// A private Xvfb display and xdotool on it, for tests that drive whole programs. Every wait is
// bounded; the server goes with the session.
class XvfbSession {
  public:
    static constexpr int kStartMs = 15000;
    static constexpr int kToolMs = 5000;

    XvfbSession() = default;
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;
    ~XvfbSession() { StopProcess(xvfb_); }

    // False when Xvfb did not report the display it took.
    bool Start(QSize screen);
    const QString& Display() const { return display_; }
    // The caller's environment with this display on Qt's X11 platform.
    QProcessEnvironment Environment() const;

    // The standard output of an xdotool run; nothing when it failed or did not end in time.
    std::optional<QString> Xdotool(const QStringList& arguments, int limitMs = kToolMs) const;
    // Screen position and size; nothing when xdotool could not tell.
    std::optional<QRect> Geometry(const QString& window) const;
    // The mapped windows of a process, as xdotool names them.
    QStringList VisibleWindows(qint64 pid) const;

    struct Window {
        QString name;
        QRect geometry;
    };
    // The first mapped window of the program whose name and geometry pass `wanted`, looked for
    // until it shows, the program ends or the time is up.
    std::optional<Window> WaitForWindow(QProcess& program,
                                        const std::function<bool(const Window&)>& wanted,
                                        int limitMs) const;

  private:
    QProcess xvfb_;
    QString display_;
};

} // namespace qt_test
