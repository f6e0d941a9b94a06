#include <gtest/gtest.h>

#include <csignal>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>
#include <thread>

#include "QtTestSupport.h"

using namespace qt_test;

namespace {

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TEST_F(QtPlatformTest, WindowIsPaintedFromItsHandlerAndCanBeReadBack) {
    LogWindow window(log);
    window.paint = [](Surface& s) {
        s.Fill({0, 0, 60, 80}, Rgb(255, 0, 0));
        s.Fill({60, 0, 120, 80}, Rgb(0, 0, 255));
        s.SetPixel({5, 5}, Rgb(0, 255, 0));
    };
    const WindowId id = Open(window, {10, 20, 130, 100});
    ASSERT_TRUE(WaitFor([&] { return !platform.Widget(id)->Frame().isNull(); }));
    const QImage& frame = platform.Widget(id)->Frame();
    EXPECT_EQ(frame.size(), QSize(120, 80));
    EXPECT_EQ(At(frame, 10, 10), 0xFF0000u);
    EXPECT_EQ(At(frame, 100, 70), 0x0000FFu);
    EXPECT_EQ(At(frame, 5, 5), 0x00FF00u);
    EXPECT_EQ(platform.WindowRect(id), (Rect{10, 20, 130, 100}));
    EXPECT_EQ(platform.ClientRect(id), (Rect{0, 0, 120, 80}));
    EXPECT_EQ(platform.ClientToScreen(id, {3, 4}), (Point{13, 24}));
    EXPECT_EQ(platform.ScreenToClient(id, {13, 24}), (Point{3, 4}));
    EXPECT_EQ(platform.ScreenPixel({12, 22}), Rgb(255, 0, 0));
}

// Each paint starts from a fresh surface; only the invalid part of the window changes.
TEST_F(QtPlatformTest, InvalidatedRectangleIsRepaintedAlone) {
    LogWindow window(log);
    Colour colour = Rgb(10, 20, 30);
    window.paint = [&](Surface& s) { s.Fill({0, 0, 100, 100}, colour); };
    const WindowId id = Open(window, {0, 0, 100, 100});
    ASSERT_TRUE(WaitFor([&] { return !platform.Widget(id)->Frame().isNull(); }));
    colour = Rgb(200, 100, 50);
    platform.Invalidate(id, Rect{0, 0, 50, 100});
    platform.UpdateNow(id);
    const QImage& frame = platform.Widget(id)->Frame();
    EXPECT_EQ(At(frame, 10, 50), 0xC86432u);
    EXPECT_EQ(At(frame, 80, 50), 0x0A141Eu);
}

TEST_F(QtPlatformTest, KindsGetTheirWindowFlags) {
    LogWindow owner(log, "o"), popup(log, "p"), osd(log, "s");
    const WindowId ownerId = Open(owner, {0, 0, 50, 50}, WindowKind::Main);
    const WindowId popupId = Open(popup, {0, 0, 20, 20}, WindowKind::PopupList, ownerId);
    const WindowId osdId = platform.MakeWindow(osd, WindowKind::Osd, ownerId, {0, 0, 30, 30});
    const Qt::WindowFlags popupFlags = platform.Widget(popupId)->windowFlags();
    EXPECT_TRUE(popupFlags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(popupFlags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(popupFlags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(platform.Owner(popupId), ownerId);
    EXPECT_EQ(platform.Owner(osdId), 0u);
    EXPECT_TRUE(platform.Widget(osdId)->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    platform.SetOpacity(osdId, 128);
    EXPECT_NEAR(platform.Widget(osdId)->windowOpacity(), 128 / 255.0, 0.01);
    platform.SetTopmost(ownerId, true);
    EXPECT_TRUE(platform.Widget(ownerId)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(platform.IsVisible(ownerId));
}

TEST_F(QtPlatformTest, DestroyingAnOwnerDestroysItsWindowsFirst) {
    LogWindow owner(log, "o"), owned(log, "d");
    const WindowId ownerId = Open(owner, {0, 0, 50, 50}, WindowKind::Main);
    const WindowId ownedId = Open(owned, {0, 0, 20, 20}, WindowKind::Dialog, ownerId);
    platform.Post(ownedId, 1500, 0, 0);
    log.clear();
    platform.DestroyWindow(ownerId);
    EXPECT_EQ(log, (std::vector<std::string>{"d: destroyed", "o: destroyed"}));
    EXPECT_FALSE(platform.IsWindow(ownedId));
    Settle();
    EXPECT_EQ(log.size(), 2u) << "a message posted to a destroyed window is dropped";
    platform.DestroyWindow(ownerId);
}

TEST_F(QtPlatformTest, MouseInputArrivesInClientCoordinates) {
    LogWindow window(log);
    const WindowId id = Open(window, {100, 100, 300, 200});
    QtWindow* widget = platform.Widget(id);
    log.clear();
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton, {5, 6}, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, {7, 8}, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, {7, 8}, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton, {7, 8}, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, {9, 10}, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"w: move 0 5,6", "w: down 1 7,8", "w: up 0 7,8",
                                             "w: dbl 1 7,8", "w: rup 0 9,10"}));
}

TEST_F(QtPlatformTest, TrackingReportsOneLeaveAndOneHover) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 100, 100});
    QtWindow* widget = platform.Widget(id);
    ASSERT_TRUE(platform.TrackMouse(id, 5));
    const auto count = [&](const std::string& what) {
        return std::count_if(log.begin(), log.end(),
                             [&](const std::string& line) { return line.rfind(what, 0) == 0; });
    };
    ASSERT_TRUE(WaitFor([&] { return count("w: hover") == 1; }));
    Settle(30);
    EXPECT_EQ(count("w: hover"), 1) << "hover fires once per request";
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
    QCoreApplication::sendEvent(widget, &leave);
    EXPECT_EQ(count("w: leave"), 1);
}

TEST_F(QtPlatformTest, KeysArePreTranslatedBeforeCharacters) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 100, 100});
    QtWindow* widget = platform.Widget(id);
    log.clear();
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(widget, &a);
    window.swallowKeys = true;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(widget, &enter);
    EXPECT_EQ(log, (std::vector<std::string>{"w: key 65", "w: char 97", "w: key 13"}));
}

TEST_F(QtPlatformTest, EditFieldSeesKeysAfterTheWindowAndReportsChanges) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 200, 100});
    auto font = platform.MakeFont({u"Tahoma", -13});
    auto edit = platform.CreateEdit(id, 2017, {10, 10, 110, 30}, *font, {true});
    ASSERT_TRUE(edit);
    edit->SetText(u"12");
    EXPECT_EQ(log.back(), "w: msg 273 " + std::to_string(2017 | kEditChanged << 16) + " 0");
    auto* line = platform.Widget(id)->findChild<QLineEdit*>();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    edit->CaretToEnd();
    QKeyEvent three(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QCoreApplication::sendEvent(line, &three);
    EXPECT_EQ(edit->Text(), u"123");
    window.swallowChars = true;
    QKeyEvent four(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QCoreApplication::sendEvent(line, &four);
    EXPECT_EQ(edit->Text(), u"123") << "a swallowed character never reaches the edit";
    EXPECT_NE(std::find(log.begin(), log.end(), "w: char 52"), log.end());
}

TEST_F(QtPlatformTest, CloseRequestGoesToTheHandlerAndKeepsTheWindow) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 50, 50});
    log.clear();
    platform.Widget(id)->close();
    EXPECT_EQ(log, (std::vector<std::string>{"w: msg 16 0 0"}));
    EXPECT_TRUE(platform.IsWindow(id));
    EXPECT_TRUE(platform.IsVisible(id));
}

TEST_F(QtPlatformTest, ATerminationSignalAsksEveryWindowToCloseNewestFirst) {
    LogWindow main(log, "main");
    LogWindow dialog(log, "dialog");
    const WindowId mainId = Open(main, {0, 0, 50, 50}, WindowKind::Main);
    Open(dialog, {10, 10, 40, 40}, WindowKind::Dialog, mainId);
    std::vector<std::string> closes;
    const auto closesSeen = [&] {
        closes.clear();
        std::copy_if(log.begin(), log.end(), std::back_inserter(closes),
                     [](const std::string& line) { return line.ends_with("msg 16 0 0"); });
        return closes.size() >= 2;
    };
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(WaitFor(closesSeen));
    EXPECT_EQ(closes, (std::vector<std::string>{"dialog: msg 16 0 0", "main: msg 16 0 0"}));
}

// Without a tray a hidden main window would be out of reach: it goes to the task bar instead.
TEST_F(QtPlatformTest, MainWindowStaysReachableWithoutTray) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        GTEST_SKIP() << "this desktop has a tray";
    }
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 50, 50}, WindowKind::Main);
    EXPECT_FALSE(platform.AddTrayIcon(id, 128, u"Tip", 1056));
    platform.Show(id, ShowCommand::Hide);
    EXPECT_FALSE(platform.IsVisible(id));
    EXPECT_TRUE(platform.Widget(id)->isVisible());
    EXPECT_TRUE(platform.IsMinimized(id));
    platform.Show(id, ShowCommand::Foreground);
    EXPECT_TRUE(platform.IsVisible(id));
    EXPECT_FALSE(platform.IsMinimized(id));
}
