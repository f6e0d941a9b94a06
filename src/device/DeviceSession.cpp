#include "device/DeviceSession.h"

DeviceSession::DeviceSession(HidBus& bus, UiQueue& queue, DeviceEffects& effects,
                             DeviceClock& clock, const DeviceContext& context)
    : link_(bus, queue, effects, status_), sender_(clock, [this] { return link_.CommandHandle(); }),
      sync_(context, status_, sender_, link_, effects),
      reader_(context, status_, link_, sync_, effects) {
    link_.SetReportHandler([this](ConnectionKind kind, const std::vector<uint8_t>& report) {
        reader_.Decode(kind, report);
    });
}

void DeviceSession::Start() {
    link_.RegisterForDeviceChanges();
    sync_.PrimeCaches();
    link_.ScanDevices();
}

bool DeviceSession::RequestPairing() {
    return ::RequestPairing(link_.ReceiverHandle());
}

bool DeviceSession::SendFactoryReset() {
    const uint8_t payload[] = {0xFF};
    return sender_.Send(CommandCode::FactoryReset, kSinglePacket, payload);
}
