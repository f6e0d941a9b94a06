#pragma once

#include "device/DeviceClock.h"
#include "device/UiQueue.h"
#include "platform/Platform.h"

// The device link's hand-over to the UI thread, through the platform's task queue.
class PlatformUiQueue : public UiQueue {
  public:
    explicit PlatformUiQueue(Platform& platform) : platform_(platform) {}
    void Post(Task task) override { platform_.PostTask(std::move(task)); }

  private:
    Platform& platform_;
};

// The protocol's waits on the platform's clock, so the headless backend adds them up.
class PlatformDeviceClock : public DeviceClock {
  public:
    explicit PlatformDeviceClock(Platform& platform) : platform_(platform) {}
    void SleepMs(uint32_t ms) override { platform_.SleepMs(static_cast<int>(ms)); }
    uint64_t NowMs() const override { return platform_.NowMs(); }

  private:
    Platform& platform_;
};
