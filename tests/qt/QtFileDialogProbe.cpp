#include "QtFileDialogProbe.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/qt/QtApplication.h"
#include "platform/qt/QtPlatformBackend.h"

namespace {

constexpr int kPollMs = 20;
// Far below the parent's own limit, so a dialog that never closes still gives an answer.
constexpr int kGiveUpMs = 10000;

std::u16string Wide(const char* text) {
    const std::string narrow = text;
    return {narrow.begin(), narrow.end()};
}

void Print(const char* key, const QString& value) {
    std::printf("%s %s\n", key, value.toLocal8Bit().constData());
    std::fflush(stdout);
}

struct Answer {
    bool accept = false;
    QString typed;
};

// Answers the first file dialog that becomes modal; the timer keeps polling until it has.
void AnswerWhenShown(const Answer& answer, bool& answered) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [answer, &answered, poll] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll->stop();
        answered = true;
        Print("title", dialog->windowTitle());
        Print("filter", dialog->selectedNameFilter());
        Print("folder", QDir::toNativeSeparators(dialog->directory().absolutePath()));
        if (!answer.accept) {
            dialog->reject();
            return;
        }
        // Typed into the name field as a user would: selectFile leaves a focused field alone.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!answer.typed.isEmpty() && name != nullptr) {
            name->setText(answer.typed);
        }
        // Accepted as the Open or Save button does, through the dialog's checks.
        static_cast<QDialog*>(dialog)->accept();
    });
    poll->start(kPollMs);
}

} // namespace

int FileDialogProbe(int argc, char** argv) {
    if (argc < 6) {
        return 2;
    }
    const bool save = std::string(argv[2]) == "save";
    const Answer answer{std::string(argv[5]) == "accept", argc > 6 ? argv[6] : ""};
    const auto app = MakeQtApplication(argc, argv);
    QtPlatform platform;
    bool answered = false;
    AnswerWhenShown(answer, answered);
    QTimer::singleShot(kGiveUpMs, [] {
        std::fprintf(stderr, "the file dialog did not close\n");
        std::_Exit(4);
    });
    const auto result = save ? platform.SaveFileDialog(0, {.title = u"Export profile",
                                                           .filterName = u"Profile files",
                                                           .extension = u"psf",
                                                           .initialName = Wide(argv[4]),
                                                           .startFolder = Wide(argv[3])})
                             : platform.OpenFileDialog(0, {.title = u"Import profile",
                                                           .filterName = u"Profile files",
                                                           .extension = u"psf",
                                                           .initialName = Wide(argv[4]),
                                                           .startFolder = Wide(argv[3])});
    Print("result", result ? QString::fromStdU16String(*result) : QStringLiteral("none"));
    return answered ? 0 : 4;
}
