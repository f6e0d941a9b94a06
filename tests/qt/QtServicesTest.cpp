#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <QWindow>

#include "QtTestSupport.h"

using namespace qt_test;

TEST_F(QtPlatformTest, ScreenMetricsComeFromThePrimaryScreen) {
    const Size full = platform.FullScreenSize();
    EXPECT_GT(full.width, 0);
    EXPECT_GT(full.height, 0);
    const Rect work = platform.WorkArea();
    EXPECT_EQ(work.Width(), full.width);
    EXPECT_GT(platform.LogicalDpi(), 0);
}

TEST_F(QtPlatformTest, FoldersEndWithASeparator) {
    EXPECT_EQ(platform.ProgramFolder(), Assets());
    EXPECT_EQ(platform.UserDataBase(), u"/tmp/corvex-qt-test-data/");
    EXPECT_EQ(platform.CurrentFolder().back(), u'/');
    QtPlatform defaults;
    EXPECT_EQ(defaults.UserDataBase().back(), u'/');
    const std::u16string nested = u"/tmp/corvex-qt-test-data/a/b/";
    QDir(QString::fromStdU16String(nested)).removeRecursively();
    EXPECT_TRUE(platform.EnsureFolder(nested));
    EXPECT_TRUE(QDir(QString::fromStdU16String(nested)).exists());
    EXPECT_TRUE(platform.EnsureFolder(nested)) << "an existing folder is fine";
    EXPECT_FALSE(platform.EnsureFolder(u""));
}

TEST_F(QtPlatformTest, ShellOpenRefusesWhatIsNotThere) {
    EXPECT_FALSE(platform.ShellOpen(u""));
    EXPECT_FALSE(platform.ShellOpen(u"/nonexistent/corvex/file.txt"));
}

// The second process asks the first to show itself and returns only after the first has
// handled it.
TEST_F(QtPlatformTest, SecondProcessHandsOverToTheFirst) {
    const QString name =
        QStringLiteral("corvex qt test %1").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(platform.ClaimSingleInstance(name.toStdU16String()));
    LogWindow window(log);
    const WindowId id = platform.MakeWindow(window, WindowKind::Main, 0, {0, 0, 10, 10});
    platform.SetHandOverWindow(id, 2999);
    QProcess second;
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--second-instance"), name});
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitCode(), 0) << "the second process was not first";
    EXPECT_EQ(log, (std::vector<std::string>{"w: msg 2999 0 0"}));
}

TEST_F(QtPlatformTest, SecondInstanceInTheSameProcessIsNotFirst) {
    const std::u16string name = u"corvex qt same process";
    ASSERT_TRUE(platform.ClaimSingleInstance(name));
    QtPlatform other;
    EXPECT_FALSE(other.ClaimSingleInstance(name));
}

TEST_F(QtPlatformTest, KeyCaptureReportsPressesAndReleasesWithVirtualKeys) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 50, 50});
    QtWindow* widget = platform.Widget(id);
    ASSERT_TRUE(widget->windowHandle());
    ASSERT_TRUE(platform.StartKeyCapture(id));
    std::vector<std::string> captured;
    window.onMessage = [&](uint32_t message, uintptr_t vk, intptr_t lParam) {
        if (message == 0x401) {
            captured.push_back((uint32_t(lParam) & 0x80000000u ? "release " : "press ") +
                               std::to_string(vk));
        }
        return intptr_t(0);
    };
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 62, 0xFFE2, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 62, 0xFFE2, 0, QString(),
                     true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, 62, 0xFFE2, 0);
    QCoreApplication::sendEvent(widget->windowHandle(), &press);
    QCoreApplication::sendEvent(widget->windowHandle(), &repeat);
    QCoreApplication::sendEvent(widget->windowHandle(), &release);
    ASSERT_TRUE(WaitFor([&] { return captured.size() == 2; }));
    EXPECT_EQ(captured, (std::vector<std::string>{"press 161", "release 161"}))
        << "the right Shift, its auto-repeat release left out";
    platform.StopKeyCapture();
    QCoreApplication::sendEvent(widget->windowHandle(), &press);
    Settle();
    EXPECT_EQ(captured.size(), 2u);
}
