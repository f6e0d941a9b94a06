#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "device/hid/HidBus.h"

// The host end of the virtual HID bus: the interfaces a device program offers on a loopback TCP
// connection, as a HidBus. Paths are "virtual:<id>". One thread receives; requests from any
// thread wait for their own reply.
class VirtualHidBus : public HidBus {
  public:
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};
    static constexpr std::chrono::milliseconds kReadyTimeout{2000};

    // hostPort is "127.0.0.1:PORT" or "localhost:PORT"; any other host is refused.
    static std::unique_ptr<VirtualHidBus> Connect(const std::string& hostPort, std::string* error);
    ~VirtualHidBus() override;

    // Waits for the device's READY first (at most kReadyTimeout).
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidHandle> Open(const std::string& path) override;
    void SetChangeListener(ChangeListener listener) override;

    // How long a request waits for its reply; kReplyTimeout unless a test shortens it.
    void SetReplyTimeout(std::chrono::milliseconds timeout);

    struct Link;

  private:
    explicit VirtualHidBus(int fd);

    std::shared_ptr<Link> link_;
    std::thread receiver_;
};
