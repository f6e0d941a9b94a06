#include "device/hid/VirtualHidServer.h"

#include <poll.h>
#include <sys/socket.h>

using namespace VirtualHid;

namespace {

constexpr size_t kMaxReplyData = kMaxMessageLength - 6; // type, seq and status come first

Attach ToAttach(const HidDeviceModel::Interface& i) {
    return Attach{i.id,
                  i.info.vendor,
                  i.info.product,
                  i.info.usagePage,
                  i.info.usage,
                  i.info.inputReportLength,
                  i.info.featureReportLength,
                  i.info.name};
}

} // namespace

VirtualHidServer::VirtualHidServer(HidDeviceModel& model) : model_(model) {}

VirtualHidServer::~VirtualHidServer() {
    Stop();
}

bool VirtualHidServer::Start(uint16_t port, std::string* error) {
    if (thread_.joinable()) {
        if (error)
            *error = "already serving";
        return false;
    }
    listenFd_ = ListenLoopback(port, &port_, error);
    if (listenFd_ < 0)
        return false;
    stopping_ = false;
    model_.SetEvents({
        [this](const HidDeviceModel::Interface& i) { OnEvent(ToAttach(i)); },
        [this](uint16_t id) { OnEvent(Detach{id}); },
        [this](uint16_t id, std::vector<uint8_t> report) {
            OnEvent(Input{id, std::move(report)});
        },
    });
    thread_ = std::thread([this] { Run(); });
    return true;
}

void VirtualHidServer::Stop() {
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.Wake();
    thread_.join();
    model_.SetEvents({});
    CloseFd(listenFd_);
}

void VirtualHidServer::Run() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wake_.ReadFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents)
            return;
        int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        TuneConnection(fd);
        Serve(fd);
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
    }
}

void VirtualHidServer::Serve(int fd) {
    Greet(fd);
    Decoder decoder;
    for (;;) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {wake_.ReadFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents ||
            !ReceiveMessages(fd, decoder, [this](Message&& m) { Handle(std::move(m)); }))
            break;
    }
    EndConnection();
}

void VirtualHidServer::Greet(int fd) {
    {
        std::lock_guard lock(mutex_);
        connFd_ = fd;
        greeting_ = true;
    }
    auto interfaces = model_.Interfaces();
    std::lock_guard lock(mutex_);
    for (const auto& i : interfaces)
        ForwardLocked(ToAttach(i));
    for (const auto& event : queued_)
        ForwardLocked(event);
    queued_.clear();
    greeting_ = false;
    SendLocked(Ready{});
}

void VirtualHidServer::EndConnection() {
    std::lock_guard lock(mutex_);
    CloseFd(connFd_);
    greeting_ = false;
    queued_.clear();
    present_.clear();
    openCount_.clear();
}

void VirtualHidServer::OnEvent(Message event) {
    std::lock_guard lock(mutex_);
    if (connFd_ < 0)
        return;
    if (greeting_)
        queued_.push_back(std::move(event));
    else
        ForwardLocked(event);
}

// Sends a model event unless it repeats what this connection already knows.
void VirtualHidServer::ForwardLocked(const Message& event) {
    if (auto* a = std::get_if<Attach>(&event)) {
        if (present_.insert(a->id).second)
            SendLocked(event);
    } else if (auto* d = std::get_if<Detach>(&event)) {
        openCount_.erase(d->id);
        if (present_.erase(d->id))
            SendLocked(event);
    } else if (auto* in = std::get_if<Input>(&event)) {
        if (present_.count(in->id))
            SendLocked(event);
    }
}

void VirtualHidServer::SendLocked(const Message& message) {
    if (connFd_ < 0)
        return;
    auto bytes = Encode(message);
    // A report too large to frame is dropped; a failed write ends the connection.
    if (!bytes.empty() && !SendAll(connFd_, bytes))
        shutdown(connFd_, SHUT_RDWR);
}

void VirtualHidServer::Handle(Message&& message) {
    if (auto* open = std::get_if<Open>(&message))
        HandleOpen(*open);
    else if (auto* close = std::get_if<Close>(&message))
        HandleClose(*close);
    else if (auto* set = std::get_if<SetFeature>(&message))
        HandleSetFeature(*set);
    else if (auto* get = std::get_if<GetFeature>(&message))
        HandleGetFeature(*get);
}

void VirtualHidServer::HandleOpen(const Open& m) {
    std::lock_guard lock(mutex_);
    bool ok = present_.count(m.id) > 0;
    if (ok)
        ++openCount_[m.id];
    SendLocked(VirtualHid::Reply{m.seq, static_cast<uint8_t>(ok ? 0 : 1), {}});
}

void VirtualHidServer::HandleClose(const Close& m) {
    std::lock_guard lock(mutex_);
    auto it = openCount_.find(m.id);
    if (it != openCount_.end() && --it->second <= 0)
        openCount_.erase(it);
}

bool VirtualHidServer::IsOpen(uint16_t id) {
    std::lock_guard lock(mutex_);
    return openCount_.count(id) > 0;
}

void VirtualHidServer::HandleSetFeature(const SetFeature& m) {
    bool ok = !m.report.empty() && IsOpen(m.id) && model_.SetFeature(m.id, m.report);
    Reply(m.seq, ok);
}

void VirtualHidServer::HandleGetFeature(const GetFeature& m) {
    if (m.length == 0 || m.length > kMaxReplyData || !IsOpen(m.id))
        return Reply(m.seq, false);
    auto report = model_.GetFeature(m.id, m.reportId, m.length);
    if (!report)
        return Reply(m.seq, false);
    // The host relies on exactly `length` bytes led by the report id.
    report->resize(m.length, 0);
    (*report)[0] = m.reportId;
    Reply(m.seq, true, std::move(*report));
}

void VirtualHidServer::Reply(uint32_t seq, bool ok, std::vector<uint8_t> data) {
    std::lock_guard lock(mutex_);
    SendLocked(VirtualHid::Reply{seq, static_cast<uint8_t>(ok ? 0 : 1), std::move(data)});
}
