#include "device/hid/InProcessHidBus.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = "inproc:";

std::string PathOf(uint16_t id) {
    return std::string(kPrefix) + std::to_string(id);
}

std::optional<uint16_t> IdOf(const std::string& path) {
    if (!path.starts_with(kPrefix))
        return std::nullopt;
    const char* first = path.data() + kPrefix.size();
    const char* last = path.data() + path.size();
    uint16_t id = 0;
    const auto [end, error] = std::from_chars(first, last, id);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return id;
}

// The reports waiting for one open handle, and why its reads end.
struct InputQueue {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<std::vector<uint8_t>> reports;
    bool detached = false;
    bool cancelled = false;

    void Push(std::vector<uint8_t> report) {
        {
            std::lock_guard lock(mutex);
            if (reports.size() == InProcessHidBus::kQueueLimit)
                reports.pop_front();
            reports.push_back(std::move(report));
        }
        ready.notify_all();
    }

    void End(bool InputQueue::*reason) {
        {
            std::lock_guard lock(mutex);
            this->*reason = true;
            reports.clear();
        }
        ready.notify_all();
    }

    bool Detached() {
        std::lock_guard lock(mutex);
        return detached;
    }
};

} // namespace

// What the bus and its handles share: the model, the open handles' queues and the listener.
struct InProcessHidBus::Core {
    explicit Core(HidDeviceModel& m) : model(m) {}

    HidDeviceModel& model;
    std::mutex mutex;
    std::multimap<uint16_t, std::weak_ptr<InputQueue>> queues;
    ChangeListener listener;

    std::vector<std::shared_ptr<InputQueue>> QueuesOf(uint16_t id, bool forget) {
        std::lock_guard lock(mutex);
        std::vector<std::shared_ptr<InputQueue>> found;
        const auto [first, last] = queues.equal_range(id);
        for (auto it = first; it != last; ++it)
            if (auto q = it->second.lock())
                found.push_back(std::move(q));
        if (forget)
            queues.erase(first, last);
        return found;
    }

    void Notify(HidChange change) {
        ChangeListener copy;
        {
            std::lock_guard lock(mutex);
            copy = listener;
        }
        if (copy)
            copy(change);
    }

    void Forget(uint16_t id, const std::shared_ptr<InputQueue>& queue) {
        std::lock_guard lock(mutex);
        const auto [first, last] = queues.equal_range(id);
        for (auto it = first; it != last; ++it) {
            if (it->second.lock() == queue) {
                queues.erase(it);
                return;
            }
        }
    }
};

namespace {

class InProcessHandle : public HidHandle {
  public:
    InProcessHandle(std::shared_ptr<InProcessHidBus::Core> core, uint16_t id,
                    std::shared_ptr<InputQueue> queue)
        : core_(std::move(core)), id_(id), queue_(std::move(queue)) {}

    ~InProcessHandle() override { core_->Forget(id_, queue_); }

    bool SetFeature(std::span<const uint8_t> report) override {
        return !queue_->Detached() && core_->model.SetFeature(id_, report);
    }

    std::optional<std::vector<uint8_t>> GetFeature(uint8_t reportId, size_t length) override {
        if (queue_->Detached())
            return std::nullopt;
        auto reply = core_->model.GetFeature(id_, reportId, length);
        if (reply && reply->size() != length)
            return std::nullopt;
        return reply;
    }

    std::optional<std::vector<uint8_t>> ReadInput(size_t length) override {
        std::unique_lock lock(queue_->mutex);
        queue_->ready.wait(lock, [this] {
            return !queue_->reports.empty() || queue_->detached || queue_->cancelled;
        });
        if (queue_->detached || queue_->cancelled)
            return std::nullopt;
        std::vector<uint8_t> report = std::move(queue_->reports.front());
        queue_->reports.pop_front();
        if (report.size() > length)
            report.resize(length);
        return report;
    }

    void Cancel() override { queue_->End(&InputQueue::cancelled); }

  private:
    std::shared_ptr<InProcessHidBus::Core> core_;
    uint16_t id_;
    std::shared_ptr<InputQueue> queue_;
};

} // namespace

InProcessHidBus::InProcessHidBus(HidDeviceModel& model) : core_(std::make_shared<Core>(model)) {
    HidDeviceModel::Events events;
    std::weak_ptr<Core> weak = core_;
    events.attached = [weak](const HidDeviceModel::Interface&) {
        if (auto core = weak.lock())
            core->Notify(HidChange::Arrival);
    };
    events.detached = [weak](uint16_t id) {
        auto core = weak.lock();
        if (!core)
            return;
        for (const auto& queue : core->QueuesOf(id, true))
            queue->End(&InputQueue::detached);
        core->Notify(HidChange::Removal);
    };
    events.input = [weak](uint16_t id, std::vector<uint8_t> report) {
        auto core = weak.lock();
        if (!core)
            return;
        for (const auto& queue : core->QueuesOf(id, false))
            queue->Push(report);
    };
    model.SetEvents(std::move(events));
}

InProcessHidBus::~InProcessHidBus() {
    core_->model.SetEvents({});
}

std::vector<HidInterfaceInfo> InProcessHidBus::Enumerate() {
    std::vector<HidInterfaceInfo> list;
    for (const auto& i : core_->model.Interfaces()) {
        list.push_back(i.info);
        list.back().path = PathOf(i.id);
    }
    return list;
}

std::unique_ptr<HidHandle> InProcessHidBus::Open(const std::string& path) {
    const auto id = IdOf(path);
    if (!id)
        return nullptr;
    auto queue = std::make_shared<InputQueue>();
    {
        std::lock_guard lock(core_->mutex);
        core_->queues.emplace(*id, queue);
    }
    // Checked after registering, so a detach in between still ends this handle's reads.
    const auto now = core_->model.Interfaces();
    if (std::none_of(now.begin(), now.end(), [&](auto& i) { return i.id == *id; })) {
        core_->Forget(*id, queue);
        return nullptr;
    }
    return std::make_unique<InProcessHandle>(core_, *id, std::move(queue));
}

void InProcessHidBus::SetChangeListener(ChangeListener listener) {
    std::lock_guard lock(core_->mutex);
    core_->listener = std::move(listener);
}
