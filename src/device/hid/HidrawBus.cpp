#include "device/hid/HidrawBus.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <libudev.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "device/hid/HidReportDescriptor.h"

namespace {

// The ioctl size field has 14 bits; HID reports are far shorter anyway.
constexpr size_t kMaxReportLength = 4096;

class HidrawHandle : public HidHandle {
  public:
    HidrawHandle(int fd, int cancelFd) : fd_(fd), cancelFd_(cancelFd) {}
    ~HidrawHandle() override {
        close(fd_);
        close(cancelFd_);
    }

    bool SetFeature(std::span<const uint8_t> report) override {
        if (report.empty() || report.size() > kMaxReportLength)
            return false;
        std::vector<uint8_t> buf(report.begin(), report.end());
        return ioctl(fd_, HIDIOCSFEATURE(buf.size()), buf.data()) >= 0;
    }

    std::optional<std::vector<uint8_t>> GetFeature(uint8_t reportId, size_t length) override {
        if (length == 0 || length > kMaxReportLength)
            return std::nullopt;
        std::vector<uint8_t> buf(length, 0);
        buf[0] = reportId;
        // A shorter answer leaves the rest zero: callers get exactly `length` bytes.
        if (ioctl(fd_, HIDIOCGFEATURE(length), buf.data()) < 0)
            return std::nullopt;
        return buf;
    }

    std::optional<std::vector<uint8_t>> ReadInput(size_t length) override {
        std::vector<uint8_t> buf(std::min(length, kMaxReportLength));
        while (!cancelled_ && !buf.empty()) {
            pollfd fds[2] = {{fd_, POLLIN, 0}, {cancelFd_, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return std::nullopt;
            }
            if (cancelled_ || fds[1].revents || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
                return std::nullopt;
            ssize_t n = read(fd_, buf.data(), buf.size());
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (n <= 0)
                return std::nullopt;
            buf.resize(static_cast<size_t>(n));
            return buf;
        }
        return std::nullopt;
    }

    void Cancel() override {
        cancelled_ = true;
        uint64_t one = 1;
        [[maybe_unused]] ssize_t n = write(cancelFd_, &one, sizeof one);
    }

  private:
    int fd_;
    int cancelFd_;
    std::atomic<bool> cancelled_{false};
};

int DeviceNumber(const std::string& path) {
    size_t digits = path.find_last_not_of("0123456789") + 1;
    return digits < path.size() ? std::atoi(path.c_str() + digits) : -1;
}

std::vector<uint8_t> ReadDescriptor(udev_device* hid, const char* devnode) {
    std::ifstream file(std::string(udev_device_get_syspath(hid)) + "/report_descriptor",
                       std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (!bytes.empty())
        return bytes;
    int fd = open(devnode, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return bytes;
    int size = 0;
    hidraw_report_descriptor desc{};
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) >= 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        desc.size = static_cast<uint32_t>(size);
        if (ioctl(fd, HIDIOCGRDESC, &desc) >= 0)
            bytes.assign(desc.value, desc.value + desc.size);
    }
    close(fd);
    return bytes;
}

std::optional<HidInterfaceInfo> Describe(udev_device* dev) {
    const char* devnode = udev_device_get_devnode(dev);
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr);
    if (!devnode || !hid)
        return std::nullopt;
    HidInterfaceInfo info;
    info.path = devnode;
    unsigned bus = 0, vendor = 0, product = 0;
    const char* id = udev_device_get_property_value(hid, "HID_ID");
    if (id && std::sscanf(id, "%x:%x:%x", &bus, &vendor, &product) == 3) {
        info.vendor = static_cast<uint16_t>(vendor);
        info.product = static_cast<uint16_t>(product);
    }
    if (const char* name = udev_device_get_property_value(hid, "HID_NAME"))
        info.name = name;
    auto caps = HidReportDescriptor::Parse(ReadDescriptor(hid, devnode));
    info.usagePage = caps.usagePage;
    info.usage = caps.usage;
    info.inputReportLength = caps.inputReportLength;
    info.featureReportLength = caps.featureReportLength;
    return info;
}

} // namespace

HidrawBus::HidrawBus() {
    monitorUdev_ = udev_new();
    if (monitorUdev_)
        monitor_ = udev_monitor_new_from_netlink(monitorUdev_, "udev");
    if (monitor_ &&
        (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
         udev_monitor_enable_receiving(monitor_) < 0)) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
    stopFd_ = eventfd(0, EFD_CLOEXEC);
    // Without a monitor (no netlink in a container) the bus still enumerates.
    if (monitor_ && stopFd_ >= 0)
        monitorThread_ = std::thread([this] { Monitor(); });
}

HidrawBus::~HidrawBus() {
    if (monitorThread_.joinable()) {
        uint64_t one = 1;
        [[maybe_unused]] ssize_t n = write(stopFd_, &one, sizeof one);
        monitorThread_.join();
    }
    if (stopFd_ >= 0)
        close(stopFd_);
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (monitorUdev_)
        udev_unref(monitorUdev_);
}

std::vector<HidInterfaceInfo> HidrawBus::Enumerate() {
    std::vector<HidInterfaceInfo> list;
    udev* u = udev_new();
    if (!u)
        return list;
    udev_enumerate* e = udev_enumerate_new(u);
    if (e && udev_enumerate_add_match_subsystem(e, "hidraw") >= 0 &&
        udev_enumerate_scan_devices(e) >= 0) {
        udev_list_entry* entry;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e)) {
            udev_device* dev = udev_device_new_from_syspath(u, udev_list_entry_get_name(entry));
            if (!dev)
                continue;
            if (auto info = Describe(dev))
                list.push_back(std::move(*info));
            udev_device_unref(dev);
        }
    }
    if (e)
        udev_enumerate_unref(e);
    udev_unref(u);
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
        return DeviceNumber(a.path) < DeviceNumber(b.path);
    });
    return list;
}

std::unique_ptr<HidHandle> HidrawBus::Open(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    int cancelFd = -1;
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || (cancelFd = eventfd(0, EFD_CLOEXEC)) < 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<HidrawHandle>(fd, cancelFd);
}

void HidrawBus::SetChangeListener(ChangeListener listener) {
    std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

void HidrawBus::Monitor() {
    int monitorFd = udev_monitor_get_fd(monitor_);
    for (;;) {
        pollfd fds[2] = {{monitorFd, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        udev_device* dev = udev_monitor_receive_device(monitor_);
        if (!dev)
            continue;
        const char* action = udev_device_get_action(dev);
        std::optional<HidChange> change;
        if (action && std::strcmp(action, "add") == 0)
            change = HidChange::Arrival;
        else if (action && std::strcmp(action, "remove") == 0)
            change = HidChange::Removal;
        udev_device_unref(dev);
        ChangeListener listener;
        {
            std::lock_guard lock(listenerMutex_);
            listener = listener_;
        }
        if (change && listener)
            listener(*change);
    }
}
