#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "QtTestSupport.h"
#include "XvfbPrograms.h"

// A real X server: the window is mapped where it was asked, and a click made by xdotool reaches
// the handler at the client point it was aimed at.
TEST(QtXvfbClickTest, XdotoolClickArrivesAtTheClientPoint) {
    const std::string missing = qt_test::MissingXvfbPrograms(
        {QStringLiteral("xvfb-run"), QStringLiteral("Xvfb"), QStringLiteral("xdotool")});
    if (!missing.empty()) {
        GTEST_SKIP() << missing;
    }
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    probe.setProcessEnvironment(environment);
    probe.start(xvfbRun,
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 800x600x24"),
                 QCoreApplication::applicationFilePath(), QStringLiteral("--click-probe")});
    ASSERT_TRUE(probe.waitForFinished(40000)) << "the probe did not end";
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput());
    EXPECT_EQ(probe.exitCode(), 0)
        << output.toStdString()
        << QString::fromLocal8Bit(probe.readAllStandardError()).toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("down 37,41"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("up 37,41"))) << output.toStdString();
}
