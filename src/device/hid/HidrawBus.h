#pragma once

#include <mutex>
#include <thread>

#include "device/hid/HidBus.h"

struct udev;
struct udev_monitor;

// The machine's hidraw devices (Linux), found with libudev. A monitor thread turns udev add and
// remove events of the hidraw subsystem into change notifications.
class HidrawBus : public HidBus {
  public:
    HidrawBus();
    ~HidrawBus() override;
    HidrawBus(const HidrawBus&) = delete;
    HidrawBus& operator=(const HidrawBus&) = delete;

    // Sorted by device number, so /dev/hidraw2 comes before /dev/hidraw10.
    std::vector<HidInterfaceInfo> Enumerate() override;
    // Only character devices are opened, read and write.
    std::unique_ptr<HidHandle> Open(const std::string& path) override;
    void SetChangeListener(ChangeListener listener) override;

  private:
    void Monitor();

    std::mutex listenerMutex_;
    ChangeListener listener_;
    udev* monitorUdev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    int stopFd_ = -1;
    std::thread monitorThread_;
};
