#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

// A named single instance per user: the first process holds a lock file and listens on a local
// socket; a later one finds the lock taken, asks the first to show itself and waits until the
// first has handled the request (or gives up after a while).
class QtSingleInstance : public QObject {
  public:
    // handOver runs on the UI thread of the first process for every later one.
    explicit QtSingleInstance(std::function<void()> handOver);
    ~QtSingleInstance() override;

    // True when this process is the first of that name.
    bool Claim(const QString& name);

  private:
    void Serve();
    static bool AskFirst(const QString& socketPath);

    std::function<void()> handOver_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};
