#pragma once

#include <QObject>
#include <functional>

// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread, so that a logout or Ctrl+C ends
// the program through its own close path, pending save included, instead of killing it. A second
// signal before the program has ended kills it as usual.
class QtTermination : public QObject {
  public:
    explicit QtTermination(std::function<void()> onRequest);
    ~QtTermination() override;

  private:
    static void OnSignal(int signal);
    void Take();

    std::function<void()> onRequest_;
    int fds_[2] = {-1, -1};
};
