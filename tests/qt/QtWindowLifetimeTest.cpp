#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "QtTestSupport.h"

using namespace qt_test;

// A handler may run a nested modal loop from its callback, and the window (or its owner) may be
// destroyed inside that loop. The callback then returns into the window's own code and Qt's
// below it, so the window must outlive the callback and go only afterwards.
namespace {

class NestingWindow : public LogWindow {
  public:
    using LogWindow::LogWindow;
    bool OnKeyDown(int vk) override {
        LogWindow::OnKeyDown(vk);
        Nest();
        return false;
    }
    void OnLButtonUp(uint32_t flags, Point p) override {
        LogWindow::OnLButtonUp(flags, p);
        Nest();
    }
    void OnTimer(int id) override {
        LogWindow::OnTimer(id);
        Nest();
    }

    std::function<void()> nest;

  private:
    void Nest() {
        if (nest) {
            std::exchange(nest, nullptr)();
        }
    }
};

// Ends a run whose callback never came, so the test fails instead of hanging.
constexpr int kFailSafeMs = 10000;

struct Scene {
    QtPlatform& platform;
    WindowId window;
    QLineEdit* edit;
};

void PostKey(QObject* target) {
    QCoreApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
}

void PostClick(QObject* target) {
    for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QCoreApplication::postEvent(target, new QMouseEvent(type, QPointF(50, 60), QPointF(50, 60),
                                                            Qt::LeftButton, held, Qt::NoModifier));
    }
}

struct NestCase {
    const char* what;
    void (*start)(const Scene& scene);
    bool ownerGoes; // the window's owner is destroyed, taking the window with it
};

const NestCase kNestCases[] = {
    {"key on the window",
     [](const Scene& s) { PostKey(s.platform.Widget(s.window)->windowHandle()); }, false},
    {"key in its edit field", [](const Scene& s) { PostKey(s.edit); }, false},
    {"click", [](const Scene& s) { PostClick(s.platform.Widget(s.window)->windowHandle()); },
     false},
    {"timer", [](const Scene& s) { s.platform.SetTimer(s.window, 5, 0); }, false},
    {"key, the owner destroyed",
     [](const Scene& s) { PostKey(s.platform.Widget(s.window)->windowHandle()); }, true},
};

} // namespace

TEST_F(QtPlatformTest, WindowDestroyedInANestedLoopOutlivesTheCallbackThatRanIt) {
    for (const NestCase& entry : kNestCases) {
        SCOPED_TRACE(entry.what);
        log.clear();
        LogWindow owner(log, "o"), inner(log, "i");
        NestingWindow window(log, "w");
        const WindowId ownerId = Open(owner, {0, 0, 300, 300}, WindowKind::Main);
        const WindowId id =
            platform.MakeWindow(window, WindowKind::Dialog, ownerId, {0, 0, 90, 90});
        const WindowId innerId = platform.MakeWindow(inner, WindowKind::Dialog, 0, {0, 0, 20, 20});
        auto font = platform.MakeFont({u"Tahoma", -13});
        auto edit = platform.CreateEdit(id, 2017, {5, 5, 80, 25}, *font, {});
        const QPointer<QtWindow> widget = platform.Widget(id);
        window.onTimer = [&](int timer) { platform.KillTimer(id, timer); };
        inner.onTimer = [&](int timer) {
            platform.KillTimer(innerId, timer);
            platform.DestroyWindow(entry.ownerGoes ? ownerId : id);
            // Queued after the deletion the destruction asked for.
            platform.PostTask([&] { platform.EndModal(innerId, 0); });
        };
        bool aliveAfterNestedRun = false;
        window.nest = [&] {
            platform.SetTimer(innerId, 1, 0);
            platform.RunModal(innerId);
            aliveAfterNestedRun = !widget.isNull();
        };
        platform.Show(id, ShowCommand::Show);
        entry.start({platform, id, widget->findChild<QLineEdit*>()});
        QTimer failSafe;
        failSafe.setSingleShot(true);
        QObject::connect(&failSafe, &QTimer::timeout, [&] { platform.EndModal(id, 1); });
        failSafe.start(kFailSafeMs);
        EXPECT_EQ(platform.RunModal(id), -1) << "the destruction ends the window's run";
        EXPECT_TRUE(aliveAfterNestedRun);
        EXPECT_TRUE(WaitFor([&] { return widget.isNull(); })) << "the window goes afterwards";
        EXPECT_EQ(std::count(log.begin(), log.end(), "w: destroyed"), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), "w: char 97"), 0)
            << "no character of the key reaches the destroyed window's handler";
        platform.DestroyWindow(innerId);
        platform.DestroyWindow(ownerId);
    }
}

// The dialog that made an edit field may keep it after its window is gone; the field's events
// during its deletion, and later calls, must not follow the pointers it kept.
TEST_F(QtPlatformTest, EditFieldOutlivesItsWindow) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 200, 100});
    auto font = platform.MakeFont({u"Tahoma", -13});
    auto edit = platform.CreateEdit(id, 2017, {10, 10, 110, 30}, *font, {});
    ASSERT_TRUE(edit);
    edit->SetText(u"12");
    edit->Focus();
    const QPointer<QtWindow> widget = platform.Widget(id);
    platform.DestroyWindow(id);
    // Destroyed outside any event loop: only an explicit flush deletes it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(widget.isNull());
    EXPECT_EQ(edit->Text(), u"");
    edit->SetText(u"34");
    EXPECT_FALSE(edit->HasFocus());
}
