#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

// The file dialogs run in a child process answered from a timer there, so a dialog that never
// closes costs a bounded wait and a kill, never a hung run.
namespace {

constexpr int kChildMs = 20000;

struct DialogCase {
    const char* what;
    const char* kind;
    const char* initialName;
    const char* action;
    const char* typed;
    const char* expected; // file name in the folder; null: nothing chosen
};

const DialogCase kCases[] = {
    {"save adds the extension to a typed name", "save", "", "accept", "exported", "exported.psf"},
    {"save offers the initial name", "save", "Profile1.psf", "accept", nullptr, "Profile1.psf"},
    {"open returns the chosen file", "open", "", "accept", "macros.psf", "macros.psf"},
    {"a cancelled dialog chooses nothing", "save", "Profile1.psf", "cancel", nullptr, nullptr},
};

// The value of the first "key value" line of the child's output.
std::string Field(const QString& output, const QString& key) {
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char(' '))) {
            return line.mid(key.size() + 1).toStdString();
        }
    }
    return {};
}

} // namespace

TEST(QtFileDialogTest, DialogsAnswerWithThePathOfTheChosenFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile existing(folder.filePath(QStringLiteral("macros.psf")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QString native = QDir::toNativeSeparators(folder.path());
    for (const DialogCase& entry : kCases) {
        SCOPED_TRACE(entry.what);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Qt's own dialog, not a desktop portal that a headless run could wait on for ever.
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        child.setProcessEnvironment(environment);
        QStringList arguments{
            QStringLiteral("--file-dialog-probe"), QString::fromLatin1(entry.kind), folder.path(),
            QString::fromLatin1(entry.initialName), QString::fromLatin1(entry.action)};
        if (entry.typed) {
            arguments << QString::fromLatin1(entry.typed);
        }
        child.start(QCoreApplication::applicationFilePath(), arguments);
        const bool ended = child.waitForFinished(kChildMs);
        if (!ended) {
            child.kill();
            child.waitForFinished(3000);
        }
        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        const std::string shown =
            output.toStdString() +
            QString::fromLocal8Bit(child.readAllStandardError()).toStdString();
        ASSERT_TRUE(ended) << "the dialog did not close; " << shown;
        EXPECT_EQ(child.exitCode(), 0) << shown;
        EXPECT_EQ(Field(output, QStringLiteral("filter")), "Profile files (*.psf)");
        EXPECT_EQ(Field(output, QStringLiteral("folder")), native.toStdString());
        const QString expected =
            entry.expected ? native + QDir::separator() + QString::fromLatin1(entry.expected)
                           : QStringLiteral("none");
        EXPECT_EQ(Field(output, QStringLiteral("result")), expected.toStdString()) << shown;
    }
}
