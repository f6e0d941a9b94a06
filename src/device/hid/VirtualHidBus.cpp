#include "device/hid/VirtualHidBus.h"

#include <charconv>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <sys/socket.h>

#include "device/hid/VirtualHidSocket.h"
#include "device/hid/VirtualHidWire.h"

using namespace VirtualHid;

namespace {

constexpr size_t kMaxQueuedReports = 64;
constexpr char kPathPrefix[] = "virtual:";

struct InputQueue {
    uint16_t id = 0;
    std::deque<std::vector<uint8_t>> reports;
    bool cancelled = false;
    bool gone = false;
};

std::optional<uint16_t> ParseNumber(const std::string& text) {
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<uint16_t> ParsePort(const std::string& hostPort, std::string* error) {
    auto colon = hostPort.rfind(':');
    std::string host = hostPort.substr(0, colon);
    if (colon == std::string::npos || (host != "127.0.0.1" && host != "localhost")) {
        *error =
            "the virtual device must be 127.0.0.1:PORT or localhost:PORT, not \"" + hostPort + "\"";
        return std::nullopt;
    }
    auto port = ParseNumber(hostPort.substr(colon + 1));
    if (!port || *port == 0) {
        *error = "bad port in \"" + hostPort + "\"";
        return std::nullopt;
    }
    return port;
}

HidInterfaceInfo ToInfo(const Attach& a) {
    return HidInterfaceInfo{kPathPrefix + std::to_string(a.id),
                            a.vendor,
                            a.product,
                            a.usagePage,
                            a.usage,
                            a.inputLength,
                            a.featureLength,
                            a.name};
}

} // namespace

struct VirtualHidBus::Link {
    explicit Link(int socket) : fd(socket) {}
    ~Link() { CloseFd(fd); }

    int fd;
    std::mutex sendMutex; // keeps messages whole; separate so the receiver never waits on it

    std::mutex mutex;
    std::condition_variable changed;
    bool connected = true;
    bool closing = false;
    bool ready = false;
    std::map<uint16_t, HidInterfaceInfo> interfaces;
    uint32_t nextSeq = 1;
    std::map<uint32_t, std::optional<VirtualHid::Reply>> pending;
    std::vector<std::shared_ptr<InputQueue>> queues;
    std::chrono::milliseconds replyTimeout = kReplyTimeout;

    std::mutex listenerMutex;
    ChangeListener listener;

    bool Send(const Message& message) {
        auto bytes = Encode(message);
        std::lock_guard lock(sendMutex);
        return !bytes.empty() && SendAll(fd, bytes);
    }

    // Sends the request that `make` builds for a fresh seq and waits for its reply.
    template <typename Make> std::optional<VirtualHid::Reply> Request(Make make) {
        std::unique_lock lock(mutex);
        if (!connected)
            return std::nullopt;
        uint32_t seq = nextSeq++;
        auto slot = pending.emplace(seq, std::nullopt).first;
        lock.unlock();
        bool sent = Send(make(seq));
        lock.lock();
        if (sent)
            changed.wait_for(lock, replyTimeout, [&] { return slot->second || !connected; });
        std::optional<VirtualHid::Reply> reply;
        if (slot->second)
            reply.emplace(std::move(*slot->second));
        pending.erase(slot);
        return reply;
    }

    bool Present(uint16_t id) {
        std::lock_guard lock(mutex);
        return interfaces.count(id) > 0;
    }

    void Notify(HidChange change) {
        ChangeListener copy;
        {
            std::lock_guard lock(listenerMutex);
            copy = listener;
        }
        if (copy)
            copy(change);
    }

    void Receive() {
        Decoder decoder;
        while (ReceiveMessages(fd, decoder, [this](Message&& m) { Dispatch(std::move(m)); })) {
        }
        shutdown(fd, SHUT_RDWR);
        Lose();
    }

    void Dispatch(Message&& message) {
        std::optional<HidChange> change;
        {
            std::lock_guard lock(mutex);
            if (auto* a = std::get_if<Attach>(&message))
                change = OnAttach(*a);
            else if (auto* d = std::get_if<Detach>(&message))
                change = OnDetach(d->id);
            else if (auto* in = std::get_if<Input>(&message))
                OnInput(*in);
            else if (auto* r = std::get_if<VirtualHid::Reply>(&message))
                OnReply(std::move(*r));
            else if (std::holds_alternative<Ready>(message))
                ready = true;
            changed.notify_all();
        }
        if (change)
            Notify(*change);
    }

    std::optional<HidChange> OnAttach(const Attach& a) {
        interfaces[a.id] = ToInfo(a);
        return ready ? std::optional(HidChange::Arrival) : std::nullopt;
    }

    std::optional<HidChange> OnDetach(uint16_t id) {
        for (auto& q : queues)
            if (q->id == id)
                q->gone = true;
        bool removed = interfaces.erase(id) > 0;
        return ready && removed ? std::optional(HidChange::Removal) : std::nullopt;
    }

    void OnInput(Input& in) {
        for (auto& q : queues) {
            if (q->id != in.id || q->gone)
                continue;
            q->reports.push_back(in.report);
            if (q->reports.size() > kMaxQueuedReports)
                q->reports.pop_front();
        }
    }

    void OnReply(VirtualHid::Reply&& r) {
        auto it = pending.find(r.seq);
        if (it != pending.end() && !it->second)
            it->second = std::move(r);
    }

    // The connection is gone: every interface is unplugged.
    void Lose() {
        bool report;
        {
            std::lock_guard lock(mutex);
            connected = false;
            interfaces.clear();
            for (auto& q : queues)
                q->gone = true;
            report = !closing;
            changed.notify_all();
        }
        if (report)
            Notify(HidChange::Removal);
    }

    void Forget(const std::shared_ptr<InputQueue>& queue) {
        std::lock_guard lock(mutex);
        std::erase(queues, queue);
    }
};

namespace {

class VirtualHidHandle : public HidHandle {
  public:
    VirtualHidHandle(std::shared_ptr<VirtualHidBus::Link> link, std::shared_ptr<InputQueue> queue)
        : link_(std::move(link)), queue_(std::move(queue)) {}

    ~VirtualHidHandle() override {
        link_->Forget(queue_);
        if (link_->Present(queue_->id))
            link_->Send(Close{queue_->id});
    }

    bool SetFeature(std::span<const uint8_t> report) override {
        if (report.empty() || !Usable())
            return false;
        auto reply = link_->Request([&](uint32_t seq) {
            return VirtualHid::SetFeature{seq, queue_->id, {report.begin(), report.end()}};
        });
        return reply && reply->status == 0;
    }

    std::optional<std::vector<uint8_t>> GetFeature(uint8_t reportId, size_t length) override {
        if (length == 0 || length > 0xFFFF || !Usable())
            return std::nullopt;
        auto reply = link_->Request([&](uint32_t seq) {
            return VirtualHid::GetFeature{seq, queue_->id, reportId, static_cast<uint16_t>(length)};
        });
        // A reply of another length is a faulty device, not a report.
        if (!reply || reply->status != 0 || reply->data.size() != length)
            return std::nullopt;
        return std::move(reply->data);
    }

    std::optional<std::vector<uint8_t>> ReadInput(size_t length) override {
        std::unique_lock lock(link_->mutex);
        link_->changed.wait(
            lock, [&] { return queue_->cancelled || queue_->gone || !queue_->reports.empty(); });
        if (queue_->cancelled || queue_->gone)
            return std::nullopt;
        auto report = std::move(queue_->reports.front());
        queue_->reports.pop_front();
        if (report.size() > length)
            report.resize(length);
        return report;
    }

    void Cancel() override {
        std::lock_guard lock(link_->mutex);
        queue_->cancelled = true;
        link_->changed.notify_all();
    }

  private:
    bool Usable() {
        std::lock_guard lock(link_->mutex);
        return !queue_->gone && !queue_->cancelled;
    }

    std::shared_ptr<VirtualHidBus::Link> link_;
    std::shared_ptr<InputQueue> queue_;
};

} // namespace

std::unique_ptr<VirtualHidBus> VirtualHidBus::Connect(const std::string& hostPort,
                                                      std::string* error) {
    std::string ignored;
    if (!error)
        error = &ignored;
    auto port = ParsePort(hostPort, error);
    if (!port)
        return nullptr;
    int fd = ConnectLoopback(*port, error);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<VirtualHidBus>(new VirtualHidBus(fd));
}

VirtualHidBus::VirtualHidBus(int fd) : link_(std::make_shared<Link>(fd)) {
    receiver_ = std::thread([link = link_] { link->Receive(); });
}

VirtualHidBus::~VirtualHidBus() {
    {
        std::lock_guard lock(link_->mutex);
        link_->closing = true;
    }
    shutdown(link_->fd, SHUT_RDWR);
    receiver_.join();
}

std::vector<HidInterfaceInfo> VirtualHidBus::Enumerate() {
    std::unique_lock lock(link_->mutex);
    link_->changed.wait_for(lock, kReadyTimeout, [&] { return link_->ready || !link_->connected; });
    std::vector<HidInterfaceInfo> list;
    for (const auto& [id, info] : link_->interfaces)
        list.push_back(info);
    return list;
}

std::unique_ptr<HidHandle> VirtualHidBus::Open(const std::string& path) {
    if (!path.starts_with(kPathPrefix))
        return nullptr;
    auto id = ParseNumber(path.substr(sizeof kPathPrefix - 1));
    if (!id || !link_->Present(*id))
        return nullptr;
    auto queue = std::make_shared<InputQueue>();
    queue->id = *id;
    {
        // Queued before OPEN goes out so no report after the reply is missed.
        std::lock_guard lock(link_->mutex);
        link_->queues.push_back(queue);
    }
    auto reply = link_->Request([&](uint32_t seq) { return VirtualHid::Open{seq, *id}; });
    if (!reply || reply->status != 0) {
        link_->Forget(queue);
        return nullptr;
    }
    return std::make_unique<VirtualHidHandle>(link_, std::move(queue));
}

void VirtualHidBus::SetChangeListener(ChangeListener listener) {
    std::lock_guard lock(link_->listenerMutex);
    link_->listener = std::move(listener);
}

void VirtualHidBus::SetReplyTimeout(std::chrono::milliseconds timeout) {
    std::lock_guard lock(link_->mutex);
    link_->replyTimeout = timeout;
}
