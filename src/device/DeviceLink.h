#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "device/ConnectionKind.h"
#include "device/DeviceStatus.h"
#include "device/hid/HidBus.h"

class DeviceEffects;
class UiQueue;

// Finds the mouse's interfaces on a HID bus, keeps one command handle and one status reader
// per connection kind, and follows hot-plug. Every call is made on the UI thread; readers only
// read reports and post them to the UI queue, where the report handler sees them in order.
class DeviceLink {
  public:
    // Enumeration indices beyond this are never examined.
    static constexpr size_t kMaxInterfaces = 150;
    static constexpr uint16_t kStatusInputLength = 32;
    static constexpr uint16_t kCommandUsagePage = 0x000A;
    static constexpr int kNoDeviceText = 155;

    using ReportHandler = std::function<void(ConnectionKind, const std::vector<uint8_t>&)>;

    // `status` supplies the maximum-rate class shown for the receiver. The bus, queue, effects
    // and status must outlive the link.
    DeviceLink(HidBus& bus, UiQueue& queue, DeviceEffects& effects, const DeviceStatus& status);
    // Closes the command handles, ends the readers and waits for them.
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Status reports of every reader, on the UI thread in the order they arrived.
    void SetReportHandler(ReportHandler handler) { reportHandler_ = std::move(handler); }

    // Clears the guards and handles and listens for arrivals and removals on the bus.
    void RegisterForDeviceChanges();
    // One enumeration: presence and interfaces per kind, readers, command handles, the icon.
    void ScanDevices();
    // A bus notification, after its hand-over to the UI thread.
    void OnDeviceChange(HidChange change);
    // Timer 120: forget that the receiver was present and scan again.
    void RescanAfterBleLoss();

    bool Present(ConnectionKind kind) const { return Of(kind).present; }
    bool AnyPresent() const { return anyPresent_; }
    std::optional<size_t> CommandIndex(ConnectionKind kind) const { return Of(kind).commandIndex; }
    std::optional<size_t> StatusIndex(ConnectionKind kind) const { return Of(kind).statusIndex; }
    bool CommandOpen(ConnectionKind kind) const { return Of(kind).command != nullptr; }
    bool ReaderRunning(ConnectionKind kind) const { return Of(kind).reader->running; }
    // Set when the last device went and the no-device notice opened; the next scan that
    // finds a device clears it and closes the secondary windows.
    bool AttentionPending() const { return attentionPending_; }
    // Timer 80 found no device and opened the notice itself.
    void SetAttentionPending() { attentionPending_ = true; }

    // The first open command handle in the order Wired, Ble, Receiver; null when none is.
    HidHandle* CommandHandle() const;
    // The receiver's command handle, for the pairing request only.
    HidHandle* ReceiverHandle() const { return Of(ConnectionKind::Receiver).command.get(); }

  private:
    struct Reader {
        std::atomic<bool> running{false}; // the reader guard
        std::thread thread;
        std::shared_ptr<HidHandle> handle;
    };

    struct KindState {
        bool present = false;
        bool presentBefore = false;
        std::optional<size_t> commandIndex;
        std::optional<size_t> statusIndex;
        std::string commandPath;
        std::string statusPath;
        uint16_t statusLength = kStatusInputLength;
        std::string openPath; // of the open command handle
        std::unique_ptr<HidHandle> command;
        std::unique_ptr<Reader> reader = std::make_unique<Reader>();
    };

    KindState& Of(ConnectionKind kind) { return kinds_[KindIndex(kind)]; }
    const KindState& Of(ConnectionKind kind) const { return kinds_[KindIndex(kind)]; }
    void ProbeInterfaces(const std::vector<HidInterfaceInfo>& list);
    void ProbeInterface(size_t index, const HidInterfaceInfo& info);
    void OpenCommandInterface(ConnectionKind kind);
    void StartReader(ConnectionKind kind);
    void StopReader(Reader& reader);
    void ShowConnection();
    void UpdateHistory();
    void OnReport(ConnectionKind kind, const std::vector<uint8_t>& report);

    HidBus& bus_;
    UiQueue& queue_;
    DeviceEffects& effects_;
    const DeviceStatus& status_;
    ReportHandler reportHandler_;
    std::array<KindState, kConnectionKinds> kinds_;
    bool anyPresent_ = false;
    bool attentionPending_ = false;
    // Tasks posted by readers and the bus hold this weakly and do nothing once it is gone.
    std::shared_ptr<DeviceLink*> alive_ = std::make_shared<DeviceLink*>(this);
};
