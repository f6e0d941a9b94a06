#include "device/hid/VirtualHidSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace VirtualHid {
namespace {

sockaddr_in LoopbackAddress(uint16_t port) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return addr;
}

int Fail(int& fd, std::string* error, const std::string& what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
    CloseFd(fd);
    return -1;
}

} // namespace

void TuneConnection(int fd) {
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    // A peer that stops reading must not hold a writer forever.
    timeval tv{2, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

int ListenLoopback(uint16_t port, uint16_t* bound, std::string* error) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Fail(fd, error, "socket");
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr = LoopbackAddress(port);
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return Fail(fd, error, "cannot listen on 127.0.0.1:" + std::to_string(port));
    if (listen(fd, 4) != 0)
        return Fail(fd, error, "listen");
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    *bound = ntohs(addr.sin_port);
    return fd;
}

int ConnectLoopback(uint16_t port, std::string* error) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Fail(fd, error, "socket");
    sockaddr_in addr = LoopbackAddress(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return Fail(fd, error, "cannot connect to 127.0.0.1:" + std::to_string(port));
    TuneConnection(fd);
    return fd;
}

bool SendAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

bool ReceiveMessages(int fd, Decoder& decoder, const std::function<void(Message&&)>& handle) {
    uint8_t buf[4096];
    ssize_t n = recv(fd, buf, sizeof buf, 0);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0)
        return false;
    decoder.Feed(std::span(buf, static_cast<size_t>(n)));
    while (auto message = decoder.Next())
        handle(std::move(*message));
    return !decoder.Failed();
}

void CloseFd(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

WakePipe::WakePipe() {
    if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0)
        fds_[0] = fds_[1] = -1;
}

WakePipe::~WakePipe() {
    CloseFd(fds_[0]);
    CloseFd(fds_[1]);
}

void WakePipe::Wake() {
    uint8_t b = 1;
    [[maybe_unused]] ssize_t n = write(fds_[1], &b, 1);
}

} // namespace VirtualHid
