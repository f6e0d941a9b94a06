#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <optional>

#include "XvfbPrograms.h"

// corvex-gallery on a private Xvfb display: xdotool clicks the middle of a few controls at
// their known client points, and the gallery's notification log shows that each click reached
// its control, the press (1) before the release (2).
namespace {

constexpr int kStartMs = 15000;
constexpr int kToolMs = 5000;
constexpr int kNotifyMs = 5000;
constexpr int kStopMs = 3000;
constexpr QSize kGallerySize{1380, 935};

struct Click {
    const char* what;
    unsigned control;
    QPoint at; // client pixels at scale 1
};
const Click kClicks[] = {
    {"check button", 3540, {31, 900}},
    {"radio button", 3036, {431, 900}},
    {"image button with a caption", 2062, {139, 832}},
    {"combo button", 2020, {721, 832}},
};

QString NotifyLine(unsigned control, int code) {
    return QStringLiteral("\nnotify %1 %2\n").arg(control).arg(code);
}

void Stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(kStopMs);
    }
}

class QtGalleryClickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string missing =
            qt_test::MissingXvfbPrograms({QStringLiteral("Xvfb"), QStringLiteral("xdotool")});
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
        ASSERT_TRUE(StartXvfb()) << "Xvfb did not report its display";
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("DISPLAY"), display_);
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        gallery_.setProcessEnvironment(environment_);
        gallery_.start(QStringLiteral(CORVEX_GALLERY_PATH),
                       {QStringLiteral("--log-notifications")});
        ASSERT_TRUE(gallery_.waitForStarted(kStartMs)) << "corvex-gallery did not start";
        window_ = FindGalleryWindow();
        ASSERT_FALSE(window_.isEmpty())
            << "no gallery window of " << kGallerySize.width() << "x" << kGallerySize.height()
            << " appeared on " << display_.toStdString();
    }

    void TearDown() override {
        Stop(gallery_);
        Stop(xvfb_);
    }

    // Xvfb picks a free display itself and writes its number on the descriptor given.
    bool StartXvfb() {
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1600x1200x24"),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
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

    // The standard output of a short xdotool run; nothing when it failed or did not end.
    std::optional<QString> Xdotool(const QStringList& arguments) {
        QProcess tool;
        tool.setProcessEnvironment(environment_);
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(kToolMs)) {
            Stop(tool);
            return std::nullopt;
        }
        if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
            return std::nullopt;
        }
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }

    QSize Geometry(const QString& window) {
        const auto shell =
            Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        if (!shell) {
            return {};
        }
        const auto field = [&](const char* name) {
            const QRegularExpression line(QStringLiteral("^%1=(\\d+)$").arg(QLatin1String(name)),
                                          QRegularExpression::MultilineOption);
            return line.match(*shell).captured(1).toInt();
        };
        return {field("WIDTH"), field("HEIGHT")};
    }

    // The gallery's popups are windows of their own; the dialog is the one of the gallery's size.
    QString FindGalleryWindow() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kStartMs && gallery_.state() == QProcess::Running) {
            const auto found =
                Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--pid"), QString::number(gallery_.processId())});
            for (const QString& window :
                 found.value_or(QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                if (Geometry(window) == kGallerySize) {
                    return window;
                }
            }
            gallery_.waitForFinished(100);
        }
        return {};
    }

    // Waits for a line of the log that comes after the lines matched before.
    bool WaitForLine(const QString& line) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kNotifyMs) {
            log_ += QString::fromLocal8Bit(gallery_.readAllStandardOutput());
            const qsizetype at = log_.indexOf(line, matched_);
            if (at >= 0) {
                matched_ = at + line.size() - 1;
                return true;
            }
            if (gallery_.state() != QProcess::Running) {
                return false;
            }
            gallery_.waitForReadyRead(100);
        }
        return false;
    }

    QProcess xvfb_;
    QProcess gallery_;
    QProcessEnvironment environment_;
    QString display_;
    QString window_;
    QString log_ = QStringLiteral("\n");
    qsizetype matched_ = 0;
};

} // namespace

TEST_F(QtGalleryClickTest, XdotoolClicksReachTheControlsTheyAimAt) {
    for (const Click& click : kClicks) {
        SCOPED_TRACE(click.what);
        ASSERT_TRUE(Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window_,
                             QString::number(click.at.x()), QString::number(click.at.y()),
                             QStringLiteral("click"), QStringLiteral("1")}))
            << "xdotool could not click";
        for (const int code : {1, 2}) {
            EXPECT_TRUE(WaitForLine(NotifyLine(click.control, code)))
                << "no notification " << code << " of " << click.control
                << " after the earlier ones; the log:" << log_.toStdString();
        }
    }
}
