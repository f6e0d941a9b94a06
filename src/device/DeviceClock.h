#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

// The protocol's waits go through this, so tests and the benchmark add them up without sleeping.
class DeviceClock {
  public:
    virtual ~DeviceClock() = default;
    virtual void SleepMs(uint32_t ms) = 0;
    virtual uint64_t NowMs() const = 0;
};

class SystemDeviceClock : public DeviceClock {
  public:
    void SleepMs(uint32_t ms) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    uint64_t NowMs() const override {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
};

// Time moves only by the waits asked for: NowMs() is their sum.
class SimulatedDeviceClock : public DeviceClock {
  public:
    void SleepMs(uint32_t ms) override { now_ += ms; }
    uint64_t NowMs() const override { return now_; }

  private:
    uint64_t now_ = 0;
};
