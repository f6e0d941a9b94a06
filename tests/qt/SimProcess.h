#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace qt_test {

// One frame as corvex-sim's `frames` command prints it.
struct SimFrame {
    QString name;     // "SetButtonTable", ...
    QByteArray bytes; // as written, report id first
    QString note;     // outcome and packet, as printed in brackets
    QString line;     // the whole line, for messages

    // Applied and acknowledged: neither refused nor dropped on purpose.
    bool Taken() const;
};

// The answer to `frames`, oldest first; nothing when a line is not a frame.
std::optional<std::vector<SimFrame>> ParseSimFrames(const QStringList& lines);

// corvex-sim as a child program: an emulated mouse on a free loopback port, driven through its
// line commands. Every wait is bounded; the program goes with the object.
class SimProcess {
  public:
    static constexpr int kStartMs = 10000;
    static constexpr int kAnswerMs = 5000;

    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // False when it did not report the port it serves on.
    bool Start(const QString& program);
    quint16 Port() const { return port_; }

    // Sends a command whose answer is one line and tells whether that line was "ok".
    bool Command(const QString& command);
    // The frames received so far; nothing when the program did not answer in time.
    std::optional<std::vector<SimFrame>> Frames();
    // Everything it wrote on its error output so far, for failure messages.
    QString Errors();

  private:
    std::optional<QString> NextLine();

    QProcess process_;
    quint16 port_ = 0;
    QByteArray output_;
    QByteArray errors_;
};

} // namespace qt_test
