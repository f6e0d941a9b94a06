#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QSize>

#include "XvfbPrograms.h"
#include "XvfbSession.h"

// corvex-gallery on a private Xvfb display: xdotool clicks the middle of a few controls at
// their known client points, and the gallery's notification log shows that each click reached
// its control, the press (1) before the release (2).
namespace {

constexpr int kStartMs = qt_test::XvfbSession::kStartMs;
constexpr int kNotifyMs = 5000;
constexpr QSize kScreen{1600, 1200};
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

class QtGalleryClickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string missing =
            qt_test::MissingXvfbPrograms({QStringLiteral("Xvfb"), QStringLiteral("xdotool")});
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
        ASSERT_TRUE(xvfb_.Start(kScreen)) << "Xvfb did not report its display";
        gallery_.setProcessEnvironment(xvfb_.Environment());
        gallery_.start(QStringLiteral(CORVEX_GALLERY_PATH),
                       {QStringLiteral("--log-notifications")});
        ASSERT_TRUE(gallery_.waitForStarted(kStartMs)) << "corvex-gallery did not start";
        window_ = FindGalleryWindow();
        ASSERT_FALSE(window_.isEmpty())
            << "no gallery window of " << kGallerySize.width() << "x" << kGallerySize.height()
            << " appeared on " << xvfb_.Display().toStdString();
    }

    void TearDown() override { qt_test::StopProcess(gallery_); }

    // The gallery's popups are windows of their own; the dialog is the one of the gallery's size.
    QString FindGalleryWindow() {
        const auto dialog = xvfb_.WaitForWindow(
            gallery_, [](const auto& window) { return window.geometry.size() == kGallerySize; },
            kStartMs);
        return dialog ? dialog->name : QString();
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

    qt_test::XvfbSession xvfb_;
    QProcess gallery_;
    QString window_;
    QString log_ = QStringLiteral("\n");
    qsizetype matched_ = 0;
};

} // namespace

TEST_F(QtGalleryClickTest, XdotoolClicksReachTheControlsTheyAimAt) {
    for (const Click& click : kClicks) {
        SCOPED_TRACE(click.what);
        ASSERT_TRUE(xvfb_.Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window_,
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
