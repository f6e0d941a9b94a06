#include "MouseEmulator.h"

#include <algorithm>
#include <string>

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr uint8_t kStatusReport = 0x04;
constexpr size_t kStatusLength = 32;
constexpr size_t kShortLength = 6;
constexpr uint16_t kFeatureLength = 33;
constexpr uint8_t kMacroData = 0x10;
constexpr int kProfiles = 5;
constexpr int kDpiLevels = 8;
constexpr int kDemoDpiLevels = 6;
constexpr int kButtons = 16;

struct InterfaceShape {
    uint16_t usagePage;
    uint16_t usage;
    uint16_t input;
    uint16_t feature;
    const char* role;
};

constexpr InterfaceShape kCommandShape{0x000A, 0x0001, 0, kFeatureLength, "command"};
constexpr InterfaceShape kStatusShape{0xFF00, 0x0001, kStatusLength, 0, "status"};
constexpr InterfaceShape kExtraShape{0x0001, 0x0002, 8, 0, "pointer"};

HidDeviceModel::Interface MakeInterface(uint16_t id, MouseConnection kind,
                                        const InterfaceShape& shape) {
    HidDeviceModel::Interface i;
    i.id = id;
    i.info.vendor = kMouseVendor;
    i.info.product = ConnectionInfo(kind).product;
    i.info.usagePage = shape.usagePage;
    i.info.usage = shape.usage;
    i.info.inputReportLength = shape.input;
    i.info.featureReportLength = shape.feature;
    i.info.name = "Corvex mouse " + std::string(ConnectionInfo(kind).name) + " " + shape.role;
    return i;
}

FrameBytes Acknowledgement(const FrameBytes& frame) {
    FrameBytes reply{};
    std::copy_n(frame.begin(), 4, reply.begin());
    return reply;
}

} // namespace

MouseEmulator::MouseEmulator() : MouseEmulator(Options{}) {}

MouseEmulator::MouseEmulator(Options options) : options_(options), random_(options.seed) {}

void MouseEmulator::SetEvents(Events events) {
    Lock lock(mutex_);
    events_ = std::move(events);
}

std::vector<HidDeviceModel::Interface> MouseEmulator::Interfaces() const {
    Lock lock(mutex_);
    std::vector<Interface> list;
    for (const auto& info : kMouseConnections) {
        const Link& link = LinkOf(info.kind);
        if (!link.plugged)
            continue;
        list.push_back(MakeInterface(link.command, info.kind, kCommandShape));
        list.push_back(MakeInterface(link.status, info.kind, kStatusShape));
        list.push_back(MakeInterface(link.extra, info.kind, kExtraShape));
    }
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.id < b.id; });
    return list;
}

bool MouseEmulator::Plug(MouseConnection kind) {
    Lock lock(mutex_);
    Link& link = LinkOf(kind);
    if (link.plugged)
        return false;
    link =
        Link{true, nextId_, static_cast<uint16_t>(nextId_ + 1), static_cast<uint16_t>(nextId_ + 2),
             {},   {}};
    nextId_ = static_cast<uint16_t>(nextId_ + 3);
    if (kind == MouseConnection::Receiver)
        status_.online = true;
    if (events_.attached) {
        events_.attached(MakeInterface(link.command, kind, kCommandShape));
        events_.attached(MakeInterface(link.status, kind, kStatusShape));
        events_.attached(MakeInterface(link.extra, kind, kExtraShape));
    }
    return true;
}

bool MouseEmulator::Unplug(MouseConnection kind) {
    Lock lock(mutex_);
    Link& link = LinkOf(kind);
    if (!link.plugged)
        return false;
    const Link gone = link;
    link = Link{};
    if (cutKind_ == kind)
        cutKind_.reset();
    if (events_.detached) {
        events_.detached(gone.command);
        events_.detached(gone.status);
        events_.detached(gone.extra);
    }
    return true;
}

bool MouseEmulator::IsPlugged(MouseConnection kind) const {
    Lock lock(mutex_);
    return LinkOf(kind).plugged;
}

std::optional<uint16_t> MouseEmulator::CommandInterface(MouseConnection kind) const {
    Lock lock(mutex_);
    const Link& link = LinkOf(kind);
    return link.plugged ? std::optional(link.command) : std::nullopt;
}

std::optional<uint16_t> MouseEmulator::StatusInterface(MouseConnection kind) const {
    Lock lock(mutex_);
    const Link& link = LinkOf(kind);
    return link.plugged ? std::optional(link.status) : std::nullopt;
}

std::optional<uint16_t> MouseEmulator::ExtraInterface(MouseConnection kind) const {
    Lock lock(mutex_);
    const Link& link = LinkOf(kind);
    return link.plugged ? std::optional(link.extra) : std::nullopt;
}

std::optional<MouseConnection> MouseEmulator::KindOfCommand(uint16_t id) const {
    for (const auto& info : kMouseConnections) {
        const Link& link = LinkOf(info.kind);
        if (link.plugged && link.command == id)
            return info.kind;
    }
    return std::nullopt;
}

bool MouseEmulator::SetFeature(uint16_t id, std::span<const uint8_t> report) {
    Lock lock(mutex_);
    const auto kind = KindOfCommand(id);
    if (!kind || report.empty())
        return false;
    if (report[0] == kPairingReport)
        return TakePairing(*kind, report);
    if (report[0] != kCommandReport)
        return false;
    if (report.size() < kFrameLength || report.size() > kFeatureLength) {
        log_.Add({*kind, {report.begin(), report.end()}, FrameOutcome::Refused, "bad length"});
        return false;
    }
    TakeFrame(*kind, report);
    return true;
}

bool MouseEmulator::TakePairing(MouseConnection kind, std::span<const uint8_t> report) {
    if (kind != MouseConnection::Receiver || report.size() > kFeatureLength)
        return false;
    FrameRecord record{kind, {report.begin(), report.end()}, FrameOutcome::Taken, {}};
    if (report.size() >= 2 && report[1] == kPairingCode) {
        ++firmware_.pairingRequests;
    } else {
        record.outcome = FrameOutcome::Refused;
        record.note = "byte 1 must be 03";
    }
    log_.Add(std::move(record));
    return true;
}

void MouseEmulator::TakeFrame(MouseConnection kind, std::span<const uint8_t> report) {
    Link& link = LinkOf(kind);
    link.reply.reset();
    FrameBytes frame{};
    std::copy_n(report.begin(), kFrameLength, frame.begin());
    FrameRecord record{kind, {report.begin(), report.end()}, FrameOutcome::Taken, {}};
    std::string refusal;
    if (FrameChecksum(frame) != frame[4])
        refusal = "checksum";
    else if (kind == MouseConnection::Receiver && !status_.online)
        refusal = "mouse offline";
    if (refusal.empty() && (nakAll_ || nakCount_ > 0)) {
        nakCount_ -= nakCount_ > 0 ? 1 : 0;
        record.outcome = FrameOutcome::Unacknowledged;
        log_.Add(std::move(record));
        return;
    }
    if (refusal.empty())
        refusal = Dispatch(link, frame, record.note);
    if (!refusal.empty()) {
        record.outcome = FrameOutcome::Refused;
        record.note = refusal;
        log_.Add(std::move(record));
        return;
    }
    link.reply = Acknowledgement(frame);
    log_.Add(std::move(record));
    CutMacroUpload(kind, frame);
}

std::string MouseEmulator::Dispatch(Link& link, const FrameBytes& frame, std::string& note) {
    const int packets = CommandPackets(frame[1]);
    if (packets == 0)
        return "unknown command";
    if (packets == 1) {
        link.firstPacket.reset();
        if (frame[1] != kMacroData && frame[3] != 0x01)
            return "bad packet byte";
        return ApplyCommand(firmware_, frame, frame);
    }
    if (frame[3] == 0x02) {
        link.firstPacket = frame;
        note = "packet 1 of 2";
        return {};
    }
    if (frame[3] != 0x12)
        return "bad packet byte";
    if (!link.firstPacket || (*link.firstPacket)[1] != frame[1])
        return "second packet without first";
    const FrameBytes first = *link.firstPacket;
    link.firstPacket.reset();
    return ApplyCommand(firmware_, first, frame);
}

void MouseEmulator::CutMacroUpload(MouseConnection kind, const FrameBytes& frame) {
    if (cutKind_ != kind || frame[1] != kMacroData)
        return;
    if (cutAfter_ > 0)
        --cutAfter_;
    if (cutAfter_ == 0)
        Unplug(kind);
}

std::optional<std::vector<uint8_t>> MouseEmulator::GetFeature(uint16_t id, uint8_t reportId,
                                                              size_t length) {
    Lock lock(mutex_);
    const auto kind = KindOfCommand(id);
    if (!kind || reportId != kCommandReport || length == 0 || length > kFeatureLength)
        return std::nullopt;
    if (failGet_) {
        failGet_ = false;
        return std::nullopt;
    }
    Link& link = LinkOf(*kind);
    std::vector<uint8_t> reply(length, 0);
    reply[0] = kCommandReport;
    if (link.reply)
        std::copy_n(link.reply->begin(), std::min(length, kFrameLength), reply.begin());
    link.reply.reset();
    return reply;
}

std::vector<uint8_t> MouseEmulator::StatusBytes(MouseConnection kind) const {
    Lock lock(mutex_);
    std::vector<uint8_t> r(kStatusLength, 0);
    r[0] = kStatusReport;
    r[1] = kind == MouseConnection::Receiver && status_.online ? 1 : 0;
    r[2] = firmware_.dpiLevel;
    r[3] = firmware_.pollingCode;
    r[4] = status_.battery;
    r[5] = status_.charge;
    r[6] = firmware_.lightingEffect;
    r[7] = launch_;
    r[8] = status_.rateClass;
    r[9] = status_.sensor;
    r[10] = firmware_.profile;
    return r;
}

bool MouseEmulator::Reaches(MouseConnection kind) const {
    return LinkOf(kind).plugged && (kind != MouseConnection::Receiver || status_.online);
}

void MouseEmulator::Report(MouseConnection kind) {
    Send(LinkOf(kind).status, StatusBytes(kind));
}

void MouseEmulator::ReportAll() {
    for (const auto& info : kMouseConnections)
        if (Reaches(info.kind))
            Report(info.kind);
}

void MouseEmulator::Send(uint16_t id, std::vector<uint8_t> report) {
    if (events_.input)
        events_.input(id, std::move(report));
}

void MouseEmulator::PressProfileButton() {
    Lock lock(mutex_);
    SetProfile((firmware_.profile + 1) % kProfiles);
}

bool MouseEmulator::SetProfile(int profile) {
    Lock lock(mutex_);
    if (profile < 0 || profile >= kProfiles)
        return false;
    firmware_.profile = static_cast<uint8_t>(profile);
    ReportAll();
    return true;
}

bool MouseEmulator::SetDpiLevel(int level) {
    Lock lock(mutex_);
    if (level < 0 || level >= kDpiLevels)
        return false;
    firmware_.dpiLevel = static_cast<uint8_t>(level);
    ReportAll();
    return true;
}

bool MouseEmulator::SetBattery(int percent) {
    Lock lock(mutex_);
    if (percent < 0 || percent > 100)
        return false;
    status_.battery = static_cast<uint8_t>(percent);
    ReportAll();
    return true;
}

bool MouseEmulator::SetCharge(int state) {
    Lock lock(mutex_);
    if (state < 0 || state > 2)
        return false;
    status_.charge = static_cast<uint8_t>(state);
    if (state == 2)
        status_.battery = 100;
    batteryElapsed_ = 0;
    ReportAll();
    return true;
}

bool MouseEmulator::SetRateClass(int rateClass) {
    Lock lock(mutex_);
    if (rateClass != 1 && rateClass != 4 && rateClass != 8)
        return false;
    status_.rateClass = static_cast<uint8_t>(rateClass);
    ReportAll();
    return true;
}

void MouseEmulator::SetSensor(uint8_t identifier) {
    Lock lock(mutex_);
    status_.sensor = identifier;
    ReportAll();
}

bool MouseEmulator::SetOnline(bool online) {
    Lock lock(mutex_);
    if (!LinkOf(MouseConnection::Receiver).plugged)
        return false;
    status_.online = online;
    Report(MouseConnection::Receiver);
    return true;
}

bool MouseEmulator::Launch(int button) {
    Lock lock(mutex_);
    if (button < 1 || button > kButtons)
        return false;
    launch_ = static_cast<uint8_t>(button);
    ReportAll();
    launch_ = 0;
    ReportAll();
    return true;
}

void MouseEmulator::SetDemo(bool on) {
    Lock lock(mutex_);
    demo_ = on;
    demoElapsed_ = 0;
}

bool MouseEmulator::DemoOn() const {
    Lock lock(mutex_);
    return demo_;
}

bool MouseEmulator::Tick(uint32_t& elapsed, uint32_t interval, uint32_t ms) {
    elapsed += ms;
    if (interval == 0 || elapsed < interval)
        return false;
    elapsed -= interval;
    return true;
}

void MouseEmulator::Advance(uint32_t ms) {
    Lock lock(mutex_);
    const uint32_t battery =
        status_.charge == 1 ? options_.chargeIntervalMs : options_.drainIntervalMs;
    for (uint32_t step = ms; status_.charge != 2 && Tick(batteryElapsed_, battery, step); step = 0)
        if (BatteryStep())
            ReportAll();
    for (uint32_t step = ms; demo_ && Tick(demoElapsed_, options_.demoIntervalMs, step); step = 0)
        DemoStep();
}

bool MouseEmulator::BatteryStep() {
    if (status_.charge == 1) {
        status_.battery = static_cast<uint8_t>(std::min(status_.battery + 1, 100));
        if (status_.battery == 100)
            status_.charge = 2;
        return true;
    }
    if (status_.battery == 0)
        return false;
    --status_.battery;
    return true;
}

void MouseEmulator::DemoStep() {
    // Three DPI steps, then a profile step, so both kinds of display get shown.
    if (++demoSteps_ % 4 == 0)
        PressProfileButton();
    else
        SetDpiLevel((firmware_.dpiLevel + 1) % kDemoDpiLevels);
}

void MouseEmulator::NakFrames(uint32_t count) {
    Lock lock(mutex_);
    nakCount_ = count;
    nakAll_ = false;
}

void MouseEmulator::NakAll() {
    Lock lock(mutex_);
    nakAll_ = true;
}

void MouseEmulator::FailNextGetFeature() {
    Lock lock(mutex_);
    failGet_ = true;
}

void MouseEmulator::SendGarbage(Garbage kind) {
    Lock lock(mutex_);
    for (const auto& info : kMouseConnections) {
        if (!LinkOf(info.kind).plugged)
            continue;
        std::vector<uint8_t> r = StatusBytes(info.kind);
        uint16_t id = LinkOf(info.kind).status;
        switch (kind) {
        case Garbage::Random:
            std::generate(r.begin(), r.end(), [this] { return static_cast<uint8_t>(random_()); });
            if (r[0] == kStatusReport)
                r[0] = static_cast<uint8_t>(~kStatusReport);
            break;
        case Garbage::WrongId:
            r[0] = kStatusReport + 1;
            break;
        case Garbage::Short:
            r.resize(kShortLength);
            break;
        case Garbage::Foreign:
            r.resize(8);
            id = LinkOf(info.kind).extra;
            break;
        }
        Send(id, std::move(r));
    }
}

void MouseEmulator::UnplugDuringMacroUpload(MouseConnection kind, uint32_t frames) {
    Lock lock(mutex_);
    cutKind_ = kind;
    cutAfter_ = frames;
    if (frames == 0)
        Unplug(kind);
}

FirmwareState MouseEmulator::Firmware() const {
    Lock lock(mutex_);
    return firmware_;
}

MouseStatus MouseEmulator::Status() const {
    Lock lock(mutex_);
    return status_;
}

std::vector<FrameRecord> MouseEmulator::Frames() const {
    Lock lock(mutex_);
    return log_.Records();
}

void MouseEmulator::ClearFrames() {
    Lock lock(mutex_);
    log_.Clear();
}
