#include "XvfbSession.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace qt_test {

namespace {

constexpr int kStopMs = 3000;

} // namespace

void StopProcess(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(kStopMs);
    }
}

// Xvfb picks a free display itself and writes its number on the descriptor given.
bool XvfbSession::Start(QSize screen) {
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    xvfb_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"), size, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.contains('\n') && clock.elapsed() < kStartMs &&
           xvfb_.state() != QProcess::NotRunning) {
        xvfb_.waitForReadyRead(100);
        number += xvfb_.readAllStandardOutput();
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number).trimmed();
    return number.contains('\n');
}

QProcessEnvironment XvfbSession::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

std::optional<QString> XvfbSession::Xdotool(const QStringList& arguments, int limitMs) const {
    QProcess tool;
    tool.setProcessEnvironment(Environment());
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(limitMs)) {
        StopProcess(tool);
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

std::optional<QRect> XvfbSession::Geometry(const QString& window) const {
    const auto shell =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    if (!shell) {
        return std::nullopt;
    }
    const auto field = [&](const char* name) -> std::optional<int> {
        const QRegularExpression line(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(name)),
                                      QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = line.match(*shell);
        return match.hasMatch() ? std::optional(match.captured(1).toInt()) : std::nullopt;
    };
    const auto x = field("X"), y = field("Y"), width = field("WIDTH"), height = field("HEIGHT");
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    return QRect(*x, *y, *width, *height);
}

QStringList XvfbSession::VisibleWindows(qint64 pid) const {
    // xdotool search ends with 1 when nothing matched: that is an empty list, not a failure.
    const auto found = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--pid"), QString::number(pid)});
    return found.value_or(QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::optional<XvfbSession::Window>
XvfbSession::WaitForWindow(QProcess& program, const std::function<bool(const Window&)>& wanted,
                           int limitMs) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limitMs && program.state() == QProcess::Running) {
        for (const QString& name : VisibleWindows(program.processId())) {
            if (const auto geometry = Geometry(name)) {
                const Window window{name, *geometry};
                if (wanted(window)) {
                    return window;
                }
            }
        }
        program.waitForFinished(50);
    }
    return std::nullopt;
}

} // namespace qt_test
