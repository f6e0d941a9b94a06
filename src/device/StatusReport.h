#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "device/ConnectionKind.h"
#include "device/DeviceContext.h"

class DeviceEffects;
class DeviceLink;
class DeviceSync;
class ProfileSettings;
struct DeviceStatus;

// Input report 4 as the mouse sends it.
struct StatusReport {
    static constexpr uint8_t kReportId = 0x04;
    // Bytes 0 to 10 carry everything; a shorter report is ignored.
    static constexpr size_t kMinLength = 11;

    uint8_t online = 0; // receiver only
    uint8_t dpiLevel = 0;
    uint8_t pollingCode = 0;
    uint8_t battery = 0;
    uint8_t charge = 0;
    uint8_t lighting = 0;
    uint8_t launch = 0;
    uint8_t rateClass = 0;
    uint8_t sensor = 0;
    uint8_t profile = 0;

    // Nothing for another report id or a report too short to hold every field.
    static std::optional<StatusReport> Parse(std::span<const uint8_t> report);

    // Polling-rate index of a report's code; reduced decoding stops at 1000 per second.
    static uint8_t DecodePollingRate(uint8_t code, bool full);
};

// Decodes the status reports of every reader, on the UI thread in arrival order, into the
// status values and the current profile, and starts what a change on the mouse calls for.
class StatusReportReader {
  public:
    static constexpr int kLightingNameText = 99; // + effect 1 to 10
    static constexpr int kUnknownLightingText = 110;
    static constexpr uint32_t kOfflineTimerMs = 100;
    static constexpr int kSkipAfterSwitch = 2;

    StatusReportReader(const DeviceContext& context, DeviceStatus& status, const DeviceLink& link,
                       DeviceSync& sync, DeviceEffects& effects);

    void Decode(ConnectionKind kind, std::span<const uint8_t> report);

  private:
    bool ReceiverOnline(std::span<const uint8_t> r);
    bool UpdateDpiLevel(ProfileSettings& profile, uint8_t level);
    void UpdateBattery(uint8_t level, uint8_t charge);
    bool UpdatePollingRate(ConnectionKind kind, ProfileSettings& profile, uint8_t code);
    bool UpdateLighting(ProfileSettings& profile, uint8_t effect);
    void Launch(ConnectionKind kind, const ProfileSettings& profile, uint8_t button);
    void UpdateSensor(unsigned profile, uint8_t identifier);
    bool CableOrBlePresent() const;

    DeviceContext context_;
    DeviceStatus& status_;
    const DeviceLink& link_;
    DeviceSync& sync_;
    DeviceEffects& effects_;
};
