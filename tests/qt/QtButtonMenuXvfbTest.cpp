#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <QThread>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "SimProcess.h"
#include "XvfbPrograms.h"
#include "XvfbSession.h"
#include "app/ScreenScale.h"
#include "device/CommandFrame.h"
#include "mainwnd/MainWindowLayout.h"
#include "settings/ButtonMenu.h"

// The program on a private Xvfb display against corvex-sim on the virtual HID bus: xdotool opens
// the function menu of a button control and clicks one of its code rows; after the apply timer
// the emulated mouse has received the button table with that code on the control's key.
namespace {

using qt_test::SimFrame;

constexpr int kStartMs = qt_test::XvfbSession::kStartMs;
constexpr int kWaitMs = 5000;
constexpr QSize kScreen{1600, 1000};
constexpr int kButtonControl = 2015;
constexpr size_t kKeyOfControl = 2;
constexpr size_t kCodeBytes = 3;
// The function menu: its rows with a frame pixel above and below them.
constexpr int kMenuWidth = 162;
constexpr int kMenuRow = 22;
constexpr int kMenuFrame = 1;

struct MenuChoice {
    const char* name;
    int row;          // from 1
    const char* code; // as the button table carries it
};

const MenuChoice kChoices[] = {
    {"Back", 5, "10 08 00"},
    {"RightClick", 2, "10 02 00"},
};

// Test names carry the row's name rather than the bytes of the case.
void PrintTo(const MenuChoice& choice, std::ostream* out) {
    *out << choice.name;
}

int Scaled(int base) {
    return static_cast<int>(base * ScreenScale::UiScaleFor({kScreen.width(), kScreen.height()}));
}

QString FrameLines(const std::vector<SimFrame>& frames) {
    QString text;
    for (const SimFrame& frame : frames) {
        text += QStringLiteral("\n  ") + frame.line;
    }
    return frames.empty() ? QStringLiteral(" none") : text;
}

// The last complete upload of the button table: its first packet followed by its second.
std::optional<SimFrame> LastButtonTable(const std::vector<SimFrame>& frames) {
    std::optional<SimFrame> first;
    std::optional<SimFrame> complete;
    for (const SimFrame& frame : frames) {
        if (frame.name != QStringLiteral("SetButtonTable") ||
            frame.bytes.size() != qsizetype(CommandFrame::kLength)) {
            continue;
        }
        const auto packet = uint8_t(frame.bytes[3]);
        if (packet == kFirstOfTwo) {
            first = frame;
        } else if (packet == kSecondOfTwo && first) {
            complete = first;
        }
    }
    return complete;
}

// The key's three code bytes as hexadecimal text; the first packet carries keys 0 to 8.
std::string KeyCode(const SimFrame& firstPacket, size_t key) {
    const auto at = qsizetype(CommandFrame::kPayloadOffset + key * kCodeBytes);
    return firstPacket.bytes.mid(at, kCodeBytes).toHex(' ').toUpper().toStdString();
}

class QtButtonMenuXvfbTest : public ::testing::TestWithParam<MenuChoice> {
  protected:
    void SetUp() override {
        const std::string missing =
            qt_test::MissingXvfbPrograms({QStringLiteral("Xvfb"), QStringLiteral("xdotool")});
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
        ASSERT_TRUE(home_.isValid()) << "no temporary folder";
        ASSERT_TRUE(xvfb_.Start(kScreen)) << "Xvfb did not report its display";
        ASSERT_TRUE(sim_.Start(QStringLiteral(CORVEX_SIM_PATH)))
            << "corvex-sim did not report its port: " << sim_.Errors().toStdString();
        StartProgram();
        if (!HasFatalFailure()) {
            FindMainWindow();
        }
    }

    void TearDown() override { qt_test::StopProcess(program_); }

    // A fresh data folder, and a lock folder of its own so another corvex on the machine does
    // not take this one's start as a second instance.
    void StartProgram() {
        QProcessEnvironment environment = xvfb_.Environment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        program_.setProcessEnvironment(environment);
        program_.start(
            QStringLiteral(CORVEX_PROGRAM_PATH),
            {QStringLiteral("--virtual-device"), QStringLiteral("127.0.0.1:%1").arg(sim_.Port())});
        ASSERT_TRUE(program_.waitForStarted(kStartMs)) << "corvex did not start";
    }

    // Its popups are windows of their own; the main window is the one of the scaled base size.
    void FindMainWindow() {
        const QString pid = QString::number(program_.processId());
        ASSERT_TRUE(xvfb_.Xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                   QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid},
                                  kStartMs))
            << "corvex mapped no window on " << xvfb_.Display().toStdString() << "; "
            << ProgramOutput();
        const QSize size{Scaled(kMainWindowBaseSize.width), Scaled(kMainWindowBaseSize.height)};
        const auto main = xvfb_.WaitForWindow(
            program_, [&](const auto& window) { return window.geometry.size() == size; }, kWaitMs);
        ASSERT_TRUE(main) << "no main window of " << size.width() << "x" << size.height();
        mainWindow_ = main->name;
        main_ = main->geometry;
    }

    std::string ProgramOutput() {
        const std::string ended = program_.state() == QProcess::NotRunning
                                      ? "corvex ended with " + std::to_string(program_.exitCode())
                                      : "corvex runs";
        return ended + "; its output: " +
               QString::fromLocal8Bit(program_.readAllStandardOutput() +
                                      program_.readAllStandardError())
                   .toStdString();
    }

    bool ClickAt(QPoint screen) {
        return xvfb_
            .Xdotool({QStringLiteral("mousemove"), QString::number(screen.x()),
                      QString::number(screen.y()), QStringLiteral("click"), QStringLiteral("1")})
            .has_value();
    }

    // The first window of the process besides the main one that is as wide as the menu.
    std::optional<QRect> WaitForMenu() {
        const auto menu = xvfb_.WaitForWindow(
            program_,
            [&](const auto& window) {
                return window.name != mainWindow_ && window.geometry.width() == Scaled(kMenuWidth);
            },
            kWaitMs);
        return menu ? std::optional<QRect>(menu->geometry) : std::nullopt;
    }

    // Polls the emulator until a whole button table arrived; the frames received either way.
    std::vector<SimFrame> WaitForButtonTable() {
        std::vector<SimFrame> frames;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kWaitMs) {
            if (auto answer = sim_.Frames()) {
                frames = std::move(*answer);
            }
            if (LastButtonTable(frames)) {
                break;
            }
            QThread::msleep(50);
        }
        return frames;
    }

    QTemporaryDir home_;
    qt_test::XvfbSession xvfb_;
    qt_test::SimProcess sim_;
    QProcess program_;
    QString mainWindow_;
    QRect main_;
};

TEST_P(QtButtonMenuXvfbTest, ChosenFunctionReachesTheKeyOnTheMouse) {
    const MenuChoice& choice = GetParam();
    ASSERT_TRUE(sim_.Command(QStringLiteral("frames clear"))) << "corvex-sim did not answer";

    const ControlEntry* entry = FindControlEntry(kButtonControl);
    ASSERT_NE(entry, nullptr);
    const QRect control(main_.x() + Scaled(entry->rect.x), main_.y() + Scaled(entry->rect.y),
                        Scaled(entry->rect.width), Scaled(entry->rect.height));
    ASSERT_TRUE(ClickAt(control.center())) << "xdotool could not click the button control";

    const std::optional<QRect> menu = WaitForMenu();
    ASSERT_TRUE(menu) << "no function menu opened; " << ProgramOutput();
    const int rows = int(MainMenu().size());
    ASSERT_EQ(menu->height(), Scaled(2 * kMenuFrame + rows * kMenuRow)) << "not the function menu";
    EXPECT_EQ(menu->topLeft(), QPoint(control.x() + control.width(), control.y()))
        << "the menu opens beside the control";

    const int rowMiddle = kMenuFrame + (choice.row - 1) * kMenuRow + kMenuRow / 2;
    ASSERT_TRUE(ClickAt({menu->x() + menu->width() / 2, menu->y() + Scaled(rowMiddle)}))
        << "xdotool could not click the menu row";

    const std::vector<SimFrame> frames = WaitForButtonTable();
    const std::optional<SimFrame> table = LastButtonTable(frames);
    ASSERT_TRUE(table) << "no whole SetButtonTable upload; frames received:"
                       << FrameLines(frames).toStdString();
    EXPECT_EQ(KeyCode(*table, kKeyOfControl), choice.code)
        << "key " << kKeyOfControl << " in " << table->line.toStdString();
    for (const SimFrame& frame : frames) {
        EXPECT_TRUE(frame.Taken()) << frame.line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(MenuRows, QtButtonMenuXvfbTest, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
