#include "platform/qt/QtTermination.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// Written by the signal handler, which may only make async-signal-safe calls.
volatile sig_atomic_t g_writeFd = -1;

} // namespace

QtTermination::QtTermination(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) {
        return;
    }
    ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    ::fcntl(fds_[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(fds_[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { Take(); });
    g_writeFd = fds_[0];
    struct sigaction action {};
    action.sa_handler = &QtTermination::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

QtTermination::~QtTermination() {
    if (g_writeFd == fds_[0]) {
        for (int signal : kSignals) {
            std::signal(signal, SIG_DFL);
        }
        g_writeFd = -1;
    }
    for (int fd : fds_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void QtTermination::OnSignal(int) {
    const char byte = 1;
    if (g_writeFd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(g_writeFd, &byte, 1);
    }
}

void QtTermination::Take() {
    char bytes[16];
    while (::read(fds_[1], bytes, sizeof bytes) > 0) {
    }
    if (onRequest_) {
        onRequest_();
    }
}
