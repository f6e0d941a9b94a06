#include "SimProcess.h"

#include "XvfbSession.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace qt_test {

namespace {

const QString kOk = QStringLiteral("ok");
// A command that changes nothing and answers "ok", which no frame line is: it marks where the
// many lines of `frames` end.
const QByteArray kEndMark = "advance 0\n";

} // namespace

bool SimFrame::Taken() const {
    return !note.startsWith(QStringLiteral("refused")) &&
           !note.startsWith(QStringLiteral("not acknowledged"));
}

// "SetButtonTable 06 01 ... 1F (packet 1 of 2)": the name, the bytes, the note in brackets.
std::optional<std::vector<SimFrame>> ParseSimFrames(const QStringList& lines) {
    static const QRegularExpression kLine(
        QStringLiteral("^(\\w+)((?: [0-9A-F]{2})*)(?: \\((.*)\\))?$"));
    std::vector<SimFrame> frames;
    if (lines == QStringList{QStringLiteral("no frames")}) {
        return frames;
    }
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = kLine.match(line);
        if (!match.hasMatch()) {
            return std::nullopt;
        }
        const QByteArray hex = match.captured(2).remove(QLatin1Char(' ')).toLatin1();
        frames.push_back({match.captured(1), QByteArray::fromHex(hex), match.captured(3), line});
    }
    return frames;
}

SimProcess::~SimProcess() {
    StopProcess(process_);
}

bool SimProcess::Start(const QString& program) {
    static const QRegularExpression kServing(
        QStringLiteral("serving on 127\\.0\\.0\\.1:(\\d+)\\n"));
    process_.setReadChannel(QProcess::StandardError);
    process_.start(program, {QStringLiteral("--port"), QStringLiteral("0")});
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartMs && process_.state() != QProcess::NotRunning) {
        errors_ += process_.readAllStandardError();
        const QRegularExpressionMatch match = kServing.match(QString::fromLocal8Bit(errors_));
        if (match.hasMatch()) {
            port_ = match.captured(1).toUShort();
            break;
        }
        process_.waitForReadyRead(100);
    }
    process_.setReadChannel(QProcess::StandardOutput);
    return port_ != 0;
}

bool SimProcess::Command(const QString& command) {
    process_.write(command.toUtf8() + '\n');
    return NextLine() == kOk;
}

std::optional<std::vector<SimFrame>> SimProcess::Frames() {
    process_.write("frames\n" + kEndMark);
    QStringList lines;
    while (true) {
        const std::optional<QString> line = NextLine();
        if (!line) {
            return std::nullopt;
        }
        if (*line == kOk) {
            return ParseSimFrames(lines);
        }
        lines << *line;
    }
}

QString SimProcess::Errors() {
    errors_ += process_.readAllStandardError();
    return QString::fromLocal8Bit(errors_);
}

std::optional<QString> SimProcess::NextLine() {
    QElapsedTimer clock;
    clock.start();
    while (!output_.contains('\n')) {
        if (clock.elapsed() >= kAnswerMs || process_.state() != QProcess::Running) {
            return std::nullopt;
        }
        process_.waitForReadyRead(100);
        output_ += process_.readAllStandardOutput();
    }
    const qsizetype end = output_.indexOf('\n');
    const QString line = QString::fromLocal8Bit(output_.left(end));
    output_.remove(0, end + 1);
    return line;
}

} // namespace qt_test
