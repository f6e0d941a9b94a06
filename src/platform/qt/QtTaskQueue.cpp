#include "platform/qt/QtTaskQueue.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type kTaskEvent = QEvent::Type(QEvent::registerEventType());

class TaskEvent : public QEvent {
  public:
    explicit TaskEvent(std::function<void()> task) : QEvent(kTaskEvent), task(std::move(task)) {}
    std::function<void()> task;
};

} // namespace

void QtTaskQueue::Post(std::function<void()> task) {
    if (task) {
        QCoreApplication::postEvent(this, new TaskEvent(std::move(task)));
    }
}

void QtTaskQueue::customEvent(QEvent* event) {
    if (event->type() == kTaskEvent) {
        static_cast<TaskEvent*>(event)->task();
    }
}
