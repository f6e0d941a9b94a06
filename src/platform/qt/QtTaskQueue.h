#pragma once

#include <QObject>
#include <functional>

// Runs tasks on the thread the queue lives on (the UI thread), in posting order. Posting is
// allowed from any thread; tasks still queued when the queue goes are dropped.
class QtTaskQueue : public QObject {
  public:
    void Post(std::function<void()> task);

  protected:
    void customEvent(QEvent* event) override;
};
