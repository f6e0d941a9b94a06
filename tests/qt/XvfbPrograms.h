#pragma once

#include <QStandardPaths>
#include <QStringList>
#include <string>

namespace qt_test {

// Empty when every program is on the PATH; otherwise what a test that needs a real X server
// skips with.
inline std::string MissingXvfbPrograms(const QStringList& programs) {
    QStringList missing;
    for (const QString& program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            missing << program;
        }
    }
    if (missing.isEmpty()) {
        return {};
    }
    return "needs " + programs.join(QStringLiteral(", ")).toStdString() +
           " (Debian packages xvfb and xdotool); missing: " +
           missing.join(QStringLiteral(", ")).toStdString();
}

} // namespace qt_test
