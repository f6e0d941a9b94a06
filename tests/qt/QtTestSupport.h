#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HeadlessTestWindow.h"
#include "platform/qt/QtPlatformBackend.h"

namespace qt_test {

using headless_test::LogWindow;

// Runs the event loop until the condition holds or the time is up.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

inline void Settle(int ms = 50) {
    WaitFor([] { return false; }, ms);
}

inline std::u16string Assets() {
    const std::string path = CORVEX_ASSETS_DIR;
    return std::u16string(path.begin(), path.end()) + u"/";
}

// A platform over the offscreen screen whose program folder is the assets folder.
class QtPlatformTest : public ::testing::Test {
  protected:
    QtPlatformTest() : platform(QtPlatformOptions{Assets(), u"/tmp/corvex-qt-test-data/"}) {}

    WindowId Open(LogWindow& window, const Rect& rect, WindowKind kind = WindowKind::Dialog,
                  WindowId owner = 0) {
        const WindowId id = platform.MakeWindow(window, kind, owner, rect);
        platform.Show(id, ShowCommand::Show);
        return id;
    }

    QtPlatform platform;
    std::vector<std::string> log;
};

} // namespace qt_test
