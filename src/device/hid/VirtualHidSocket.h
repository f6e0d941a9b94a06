#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "device/hid/VirtualHidWire.h"

// Loopback TCP pieces shared by both ends of the virtual HID bus.
namespace VirtualHid {

// A listening socket on 127.0.0.1; port 0 picks a free one, reported in *bound. -1 on failure.
int ListenLoopback(uint16_t port, uint16_t* bound, std::string* error);
// A connected socket to 127.0.0.1:port, or -1.
int ConnectLoopback(uint16_t port, std::string* error);
// No delay for small messages, and a bounded wait when the peer stops reading.
void TuneConnection(int fd);
// Writes every byte; false when the peer is gone or the write timed out.
bool SendAll(int fd, std::span<const uint8_t> bytes);
// Reads what is there and hands each whole message on. False on end of stream, a read error or
// a protocol error: the connection is done.
bool ReceiveMessages(int fd, Decoder& decoder, const std::function<void(Message&&)>& handle);
void CloseFd(int& fd);

// A pipe that wakes a poll() from another thread.
class WakePipe {
  public:
    WakePipe();
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;
    int ReadFd() const { return fds_[0]; }
    void Wake();

  private:
    int fds_[2] = {-1, -1};
};

} // namespace VirtualHid
