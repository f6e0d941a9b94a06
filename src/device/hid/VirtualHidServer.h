#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "device/hid/HidDeviceModel.h"
#include "device/hid/VirtualHidSocket.h"
#include "device/hid/VirtualHidWire.h"

// The device end of the virtual HID bus: serves one model to one host connection at a time on
// 127.0.0.1. Each connection starts with ATTACH for every present interface and READY; later
// model events follow as ATTACH, DETACH and INPUT.
class VirtualHidServer {
  public:
    explicit VirtualHidServer(HidDeviceModel& model);
    ~VirtualHidServer();
    VirtualHidServer(const VirtualHidServer&) = delete;
    VirtualHidServer& operator=(const VirtualHidServer&) = delete;

    // Listens on `port` (0 picks a free one) and starts the serving thread.
    bool Start(uint16_t port, std::string* error);
    uint16_t Port() const { return port_; }
    // Ends the connection and the thread; the model's events are let go.
    void Stop();

  private:
    void Run();
    void Serve(int fd);
    void Greet(int fd);
    void Handle(VirtualHid::Message&& message);
    void HandleOpen(const VirtualHid::Open& m);
    void HandleClose(const VirtualHid::Close& m);
    void HandleSetFeature(const VirtualHid::SetFeature& m);
    void HandleGetFeature(const VirtualHid::GetFeature& m);
    bool IsOpen(uint16_t id);
    void Reply(uint32_t seq, bool ok, std::vector<uint8_t> data = {});
    void OnEvent(VirtualHid::Message event);
    void ForwardLocked(const VirtualHid::Message& event);
    void SendLocked(const VirtualHid::Message& message);
    void EndConnection();

    HidDeviceModel& model_;
    int listenFd_ = -1;
    uint16_t port_ = 0;
    VirtualHid::WakePipe wake_;
    std::thread thread_;

    std::mutex mutex_; // guards the connection state below; never held while calling the model
    bool stopping_ = false;
    int connFd_ = -1;
    bool greeting_ = false;
    std::vector<VirtualHid::Message> queued_; // events raised while the greeting is built
    std::set<uint16_t> present_;              // ids announced on this connection
    std::map<uint16_t, int> openCount_;
};
