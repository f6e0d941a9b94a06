#include "QtChildModes.h"

#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <string>

#include "QtFileDialogProbe.h"
#include "platform/qt/QtApplication.h"
#include "platform/qt/QtPlatformBackend.h"

namespace {

constexpr Point kClickAt{37, 41};
constexpr int kProbeTimeoutMs = 15000;

int SecondInstance(int argc, char** argv, const char* name) {
    const auto app = MakeQtApplication(argc, argv);
    QtPlatform platform;
    const std::string text = name;
    return platform.ClaimSingleInstance(std::u16string(text.begin(), text.end())) ? 3 : 0;
}

class ProbeWindow : public WindowHandler {
  public:
    explicit ProbeWindow(QtPlatform& platform) : platform_(platform) {}
    void OnPaint(Surface& surface, const Rect& client) override {
        surface.Fill(client, Rgb(40, 120, 200));
    }
    void OnLButtonDown(uint32_t, Point p) override { Print("down", p); }
    void OnLButtonUp(uint32_t, Point p) override {
        Print("up", p);
        platform_.EndModal(id, 0);
    }
    WindowId id = 0;

  private:
    static void Print(const char* what, Point p) {
        std::printf("%s %d,%d\n", what, p.x, p.y);
        std::fflush(stdout);
    }
    QtPlatform& platform_;
};

// Clicks once the window is on the screen, so the click cannot miss it.
void ClickWhenExposed(QtPlatform& platform, WindowId window) {
    auto* poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, poll, [&platform, window, poll] {
        QtWindow* widget = platform.Widget(window);
        if (!widget || !widget->windowHandle() || !widget->windowHandle()->isExposed()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        const Point screen = platform.ClientToScreen(window, kClickAt);
        QProcess::startDetached(QStringLiteral("xdotool"),
                                {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                 QString::number(screen.x), QString::number(screen.y),
                                 QStringLiteral("click"), QStringLiteral("1")});
    });
    poll->start(20);
}

int ClickProbe(int argc, char** argv) {
    const auto app = MakeQtApplication(argc, argv);
    QtPlatform platform;
    ProbeWindow probe(platform);
    probe.id = platform.MakeWindow(probe, WindowKind::Main, 0, {100, 120, 300, 270});
    ClickWhenExposed(platform, probe.id);
    QTimer::singleShot(kProbeTimeoutMs, [&] { platform.EndModal(probe.id, 1); });
    const int result = platform.RunModal(probe.id);
    platform.DestroyWindow(probe.id);
    return result;
}

} // namespace

int RunChildMode(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--second-instance") == 0) {
        return SecondInstance(argc, argv, argv[2]);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--click-probe") == 0) {
        return ClickProbe(argc, argv);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--file-dialog-probe") == 0) {
        return FileDialogProbe(argc, argv);
    }
    return -1;
}
