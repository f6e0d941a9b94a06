#pragma once

#include "device/CommandFrame.h"
#include "device/DeviceContext.h"
#include "device/DeviceLink.h"
#include "device/DeviceStatus.h"
#include "device/DeviceSync.h"
#include "device/StatusReport.h"

class DeviceClock;
class DeviceEffects;
class HidBus;
class UiQueue;

// The whole device link as the main window owns it: presence and readers, the command
// protocol, synchronisation and the status decoding, wired together. UI thread only.
class DeviceSession {
  public:
    DeviceSession(HidBus& bus, UiQueue& queue, DeviceEffects& effects, DeviceClock& clock,
                  const DeviceContext& context);

    // Initialisation order: device notifications, cache priming, the first scan.
    void Start();

    DeviceLink& Link() { return link_; }
    DeviceSync& Sync() { return sync_; }
    CommandSender& Sender() { return sender_; }
    DeviceStatus& Status() { return status_; }
    const DeviceStatus& Status() const { return status_; }
    // Decodes the reports the link's readers post; reachable for feeding reports directly.
    StatusReportReader& Reader() { return reader_; }

    // Message 1174 of the pairing dialog: report 0xBC to the receiver, if one is open.
    bool RequestPairing();
    // FactoryReset (0x0F, payload FF) with the usual acknowledgement and repeats.
    bool SendFactoryReset();

  private:
    DeviceStatus status_;
    DeviceLink link_;
    CommandSender sender_;
    DeviceSync sync_;
    StatusReportReader reader_;
};
