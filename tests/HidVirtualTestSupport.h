#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <utility>
#include <vector>

#include "device/hid/HidDeviceModel.h"
#include "device/hid/VirtualHidSocket.h"
#include "device/hid/VirtualHidWire.h"

// A software device for the transport tests: interfaces are plugged and unplugged by the test,
// feature reports are stored per interface and report id.
class FakeDeviceModel : public HidDeviceModel {
  public:
    static Interface Make(uint16_t id, uint16_t product, uint16_t usagePage, uint16_t inputLength,
                          std::string name = "fake") {
        Interface i;
        i.id = id;
        i.info.vendor = 0x04F3;
        i.info.product = product;
        i.info.usagePage = usagePage;
        i.info.usage = 1;
        i.info.inputReportLength = inputLength;
        i.info.featureReportLength = 33;
        i.info.name = std::move(name);
        return i;
    }

    void SetEvents(Events events) override {
        std::lock_guard lock(mutex_);
        events_ = std::move(events);
    }
    std::vector<Interface> Interfaces() const override {
        std::lock_guard lock(mutex_);
        std::vector<Interface> list;
        for (const auto& [id, i] : interfaces_)
            list.push_back(i);
        return list;
    }
    bool SetFeature(uint16_t id, std::span<const uint8_t> report) override {
        std::lock_guard lock(mutex_);
        if (!interfaces_.count(id))
            return false;
        features_[{id, report[0]}].assign(report.begin(), report.end());
        return true;
    }
    std::optional<std::vector<uint8_t>> GetFeature(uint16_t id, uint8_t reportId,
                                                   size_t length) override {
        std::lock_guard lock(mutex_);
        auto it = features_.find({id, reportId});
        if (it == features_.end())
            return std::nullopt;
        auto report = it->second;
        report.resize(length);
        return report;
    }

    void Plug(const Interface& i) {
        Events events;
        {
            std::lock_guard lock(mutex_);
            interfaces_[i.id] = i;
            events = events_;
        }
        if (events.attached)
            events.attached(i);
    }
    void Unplug(uint16_t id) {
        Events events;
        {
            std::lock_guard lock(mutex_);
            interfaces_.erase(id);
            events = events_;
        }
        if (events.detached)
            events.detached(id);
    }
    void Send(uint16_t id, std::vector<uint8_t> report) {
        Events events;
        {
            std::lock_guard lock(mutex_);
            events = events_;
        }
        if (events.input)
            events.input(id, std::move(report));
    }

  private:
    mutable std::mutex mutex_;
    Events events_;
    std::map<uint16_t, Interface> interfaces_;
    std::map<std::pair<uint16_t, uint8_t>, std::vector<uint8_t>> features_;
};

// Collects change notifications so a test can wait for them.
class ChangeRecorder {
  public:
    HidBus::ChangeListener Listener() {
        return [this](HidChange change) {
            std::lock_guard lock(mutex_);
            changes_.push_back(change);
            cv_.notify_all();
        };
    }
    // The first `count` notifications, or fewer when they do not come within a few seconds.
    std::vector<HidChange> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        cv_.wait_for(lock, std::chrono::seconds(5), [&] { return changes_.size() >= count; });
        return changes_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<HidChange> changes_;
};

// One raw end of a loopback connection, speaking the wire format directly.
class RawPeer {
  public:
    explicit RawPeer(int fd) : fd_(fd) {
        timeval tv{5, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    ~RawPeer() { VirtualHid::CloseFd(fd_); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    bool SendBytes(std::span<const uint8_t> bytes) { return VirtualHid::SendAll(fd_, bytes); }
    bool Send(const VirtualHid::Message& m) { return SendBytes(VirtualHid::Encode(m)); }
    // The next message; nothing when the peer closed (or after five seconds of silence).
    std::optional<VirtualHid::Message> Receive() {
        while (queue_.empty()) {
            if (!VirtualHid::ReceiveMessages(
                    fd_, decoder_, [this](VirtualHid::Message&& m) { queue_.push_back(m); }))
                return std::nullopt;
        }
        auto m = std::move(queue_.front());
        queue_.erase(queue_.begin());
        return m;
    }
    template <typename T> std::optional<T> ReceiveAs() {
        auto m = Receive();
        if (!m || !std::holds_alternative<T>(*m))
            return std::nullopt;
        return std::get<T>(*m);
    }
    // True when the other end closed the connection.
    bool SeesClose() {
        uint8_t b;
        return recv(fd_, &b, 1, 0) == 0;
    }

  private:
    int fd_;
    VirtualHid::Decoder decoder_;
    std::vector<VirtualHid::Message> queue_;
};

// A device end written by hand: listens like the server, but the test says every byte.
class RawDevice {
  public:
    RawDevice() { fd_ = VirtualHid::ListenLoopback(0, &port_, nullptr); }
    ~RawDevice() { VirtualHid::CloseFd(fd_); }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    std::unique_ptr<RawPeer> Accept() {
        return std::make_unique<RawPeer>(accept(fd_, nullptr, nullptr));
    }

  private:
    int fd_ = -1;
    uint16_t port_ = 0;
};
