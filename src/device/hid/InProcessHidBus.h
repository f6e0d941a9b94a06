#pragma once

#include <memory>

#include "device/hid/HidBus.h"
#include "device/hid/HidDeviceModel.h"

// A HID bus whose interfaces are those of a software device in the same process. Paths are
// "inproc:<id>". The model must outlive the bus and every handle opened on it.
class InProcessHidBus : public HidBus {
  public:
    static constexpr size_t kQueueLimit = 64; // input reports kept per handle; the oldest go

    explicit InProcessHidBus(HidDeviceModel& model);
    ~InProcessHidBus() override;
    InProcessHidBus(const InProcessHidBus&) = delete;
    InProcessHidBus& operator=(const InProcessHidBus&) = delete;

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidHandle> Open(const std::string& path) override;
    void SetChangeListener(ChangeListener listener) override;

    struct Core;

  private:
    std::shared_ptr<Core> core_;
};
