#include "device/DeviceLink.h"

#include "device/DeviceEffects.h"
#include "device/UiQueue.h"

namespace {

constexpr uint32_t kBatteryTimerMs = 1000;
constexpr uint32_t kOfflineTimerMs = 1000;
constexpr uint32_t kBleRescanMs = 300;

std::optional<ConnectionKind> KindOfProduct(const HidInterfaceInfo& info) {
    if (info.vendor != kMouseVendorId)
        return std::nullopt;
    for (const auto& kind : kConnectionKindTable)
        if (kind.product == info.product)
            return kind.kind;
    return std::nullopt;
}

} // namespace

DeviceLink::DeviceLink(HidBus& bus, UiQueue& queue, DeviceEffects& effects,
                       const DeviceStatus& status)
    : bus_(bus), queue_(queue), effects_(effects), status_(status) {}

DeviceLink::~DeviceLink() {
    bus_.SetChangeListener({});
    alive_.reset();
    for (auto& kind : kinds_) {
        kind.command.reset();
        StopReader(*kind.reader);
    }
}

void DeviceLink::RegisterForDeviceChanges() {
    for (auto& kind : kinds_)
        kind.command.reset();
    std::weak_ptr<DeviceLink*> weak = alive_;
    UiQueue& queue = queue_;
    bus_.SetChangeListener([weak, &queue](HidChange change) {
        queue.Post([weak, change] {
            if (auto self = weak.lock())
                (*self)->OnDeviceChange(change);
        });
    });
}

void DeviceLink::ScanDevices() {
    for (auto& kind : kinds_)
        kind.present = false;
    anyPresent_ = false;
    ProbeInterfaces(bus_.Enumerate());
    for (const auto& kind : kinds_)
        anyPresent_ = anyPresent_ || kind.present;
    if (anyPresent_ && attentionPending_) {
        attentionPending_ = false;
        effects_.CloseSecondaryWindows();
    }
    for (const auto& info : kConnectionKindTable) {
        KindState& kind = Of(info.kind);
        if (kind.present) {
            StartReader(info.kind);
            if (!kind.command || kind.openPath != kind.commandPath)
                OpenCommandInterface(info.kind);
        } else {
            kind.command.reset();
            // A reader whose device went ends with its failing read; this only hastens it.
            if (kind.reader->handle)
                kind.reader->handle->Cancel();
        }
    }
    ShowConnection();
    UpdateHistory();
}

// One enumeration serves every index; when several interfaces of a kind qualify the later one
// wins, as the per-index probes did.
void DeviceLink::ProbeInterfaces(const std::vector<HidInterfaceInfo>& list) {
    for (auto& kind : kinds_) {
        kind.statusIndex.reset();
        kind.commandIndex.reset();
    }
    for (size_t index = 0; index < list.size() && index < kMaxInterfaces; ++index)
        ProbeInterface(index, list[index]);
}

void DeviceLink::ProbeInterface(size_t index, const HidInterfaceInfo& info) {
    const auto kind = KindOfProduct(info);
    if (!kind)
        return;
    KindState& state = Of(*kind);
    // The status test comes first: input length 32 makes a status interface whatever its page.
    if (info.inputReportLength == kStatusInputLength) {
        state.statusIndex = index;
        state.statusPath = info.path;
        state.statusLength = info.inputReportLength;
    } else if (info.usagePage == kCommandUsagePage) {
        state.present = true;
        state.commandIndex = index;
        state.commandPath = info.path;
    }
}

void DeviceLink::OpenCommandInterface(ConnectionKind kind) {
    KindState& state = Of(kind);
    state.command.reset();
    state.openPath.clear();
    state.command = bus_.Open(state.commandPath);
    if (state.command)
        state.openPath = state.commandPath;
}

HidHandle* DeviceLink::CommandHandle() const {
    for (const auto kind : kCommandRouteOrder)
        if (const auto& handle = Of(kind).command)
            return handle.get();
    return nullptr;
}

void DeviceLink::StartReader(ConnectionKind kind) {
    KindState& state = Of(kind);
    Reader& reader = *state.reader;
    if (reader.running || !state.statusIndex)
        return;
    StopReader(reader);
    std::shared_ptr<HidHandle> handle = bus_.Open(state.statusPath);
    if (!handle)
        return;
    reader.handle = handle;
    reader.running = true;
    std::weak_ptr<DeviceLink*> weak = alive_;
    reader.thread =
        std::thread([&reader, &queue = queue_, handle, weak, kind, length = state.statusLength] {
            while (auto report = handle->ReadInput(length)) {
                queue.Post([weak, kind, report = std::move(*report)] {
                    if (auto self = weak.lock())
                        (*self)->OnReport(kind, report);
                });
            }
            reader.running = false;
        });
}

void DeviceLink::StopReader(Reader& reader) {
    if (reader.handle)
        reader.handle->Cancel();
    if (reader.thread.joinable())
        reader.thread.join();
    reader.handle.reset();
}

void DeviceLink::OnReport(ConnectionKind kind, const std::vector<uint8_t>& report) {
    if (reportHandler_)
        reportHandler_(kind, report);
}

void DeviceLink::ShowConnection() {
    ConnectionDisplay display;
    if (!anyPresent_) {
        effects_.ShowConnection(display);
        return;
    }
    effects_.StartTimer(DeviceTimer::BatteryDisplay, kBatteryTimerMs);
    if (Present(ConnectionKind::Wired)) {
        display.icon = ConnectionKind::Wired;
    } else if (Present(ConnectionKind::Ble)) {
        display.icon = ConnectionKind::Ble;
        display.collapsePerformanceHeader = !Of(ConnectionKind::Ble).presentBefore;
        display.performanceHeaderEnabled = false;
    } else {
        display.icon = ConnectionKind::Receiver;
        display.receiverRateClass = status_.rateClass;
    }
    effects_.ShowConnection(display);
    effects_.StartTimer(DeviceTimer::OfflineNotice, kOfflineTimerMs);
}

void DeviceLink::UpdateHistory() {
    KindState& ble = Of(ConnectionKind::Ble);
    if (ble.present != ble.presentBefore) {
        ble.presentBefore = ble.present;
        if (!ble.present)
            effects_.StartTimer(DeviceTimer::BleRescan, kBleRescanMs);
    }
    for (const auto kind : {ConnectionKind::Receiver, ConnectionKind::Wired})
        Of(kind).presentBefore = Of(kind).present;
}

void DeviceLink::OnDeviceChange(HidChange change) {
    bool allPresent = true;
    for (const auto& kind : kinds_)
        allPresent = allPresent && kind.present;
    if (change == HidChange::Arrival) {
        if (allPresent)
            return;
        ScanDevices();
        effects_.RefreshPages();
        return;
    }
    if (!anyPresent_)
        return;
    ScanDevices();
    if (anyPresent_)
        return;
    effects_.CloseSecondaryWindows();
    attentionPending_ = true;
    effects_.OpenAttention(kNoDeviceText);
}

void DeviceLink::RescanAfterBleLoss() {
    Of(ConnectionKind::Receiver).presentBefore = false;
    ScanDevices();
}
