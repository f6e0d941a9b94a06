#include "platform/qt/QtKeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/qt/QtVirtualKeys.h"

QtKeyCapture::QtKeyCapture(Report report) : report_(std::move(report)) {}

QtKeyCapture::~QtKeyCapture() {
    Stop();
}

void QtKeyCapture::Start() {
    if (!on_) {
        QCoreApplication::instance()->installEventFilter(this);
        on_ = true;
    }
}

void QtKeyCapture::Stop() {
    if (on_) {
        QCoreApplication::instance()->removeEventFilter(this);
        on_ = false;
    }
}

// A key event reaches the window first, then its widgets; counting it at the window counts it
// once. Held keys repeat their press, as the keyboard does, but not their release.
bool QtKeyCapture::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const bool release = type == QEvent::KeyRelease;
    if (release && key->isAutoRepeat()) {
        return false;
    }
    if (const int vk = VirtualKeyOf(*key)) {
        report_(vk, release);
    }
    return false;
}
