#include "device/StatusReport.h"

#include <array>
#include <string>

#include "device/DeviceEffects.h"
#include "device/DeviceLink.h"
#include "device/DeviceStatus.h"
#include "device/DeviceSync.h"
#include "device/SensorTable.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

namespace {

enum Byte : size_t {
    kId = 0,
    kOnline = 1,
    kDpiLevel = 2,
    kPolling = 3,
    kBattery = 4,
    kCharge = 5,
    kLighting = 6,
    kLaunch = 7,
    kRateClass = 8,
    kSensor = 9,
    kProfile = 10,
};

constexpr std::array<const char16_t*, 7> kPollingNames{u"125Hz",  u"250Hz",  u"500Hz", u"1000Hz",
                                                       u"2000Hz", u"4000Hz", u"8000Hz"};
constexpr std::array<uint8_t, 6> kPollingCodes{0x08, 0x04, 0x02, 0x01, 0x11, 0x12};
constexpr uint8_t kReducedTop = 3;
constexpr uint8_t kFastest = 6;
constexpr uint8_t kMaxDpiLevel = 7;
constexpr uint8_t kLightingEffects = 10;
constexpr uint8_t kButtons = 16;

} // namespace

std::optional<StatusReport> StatusReport::Parse(std::span<const uint8_t> r) {
    if (r.size() < kMinLength || r[kId] != kReportId)
        return std::nullopt;
    return StatusReport{r[kOnline],   r[kDpiLevel], r[kPolling],   r[kBattery], r[kCharge],
                        r[kLighting], r[kLaunch],   r[kRateClass], r[kSensor],  r[kProfile]};
}

uint8_t StatusReport::DecodePollingRate(uint8_t code, bool full) {
    uint8_t index = kFastest;
    for (uint8_t i = 0; i < kPollingCodes.size(); ++i)
        if (kPollingCodes[i] == code)
            index = i;
    return full || index < kReducedTop ? index : kReducedTop;
}

StatusReportReader::StatusReportReader(const DeviceContext& context, DeviceStatus& status,
                                       const DeviceLink& link, DeviceSync& sync,
                                       DeviceEffects& effects)
    : context_(context), status_(status), link_(link), sync_(sync), effects_(effects) {}

bool StatusReportReader::CableOrBlePresent() const {
    return link_.Present(ConnectionKind::Wired) || link_.Present(ConnectionKind::Ble);
}

void StatusReportReader::Decode(ConnectionKind kind, std::span<const uint8_t> r) {
    if (status_.skipReports > 0) {
        --status_.skipReports;
        return;
    }
    if (!StatusReport::Parse(r))
        return;
    if (kind == ConnectionKind::Receiver && !ReceiverOnline(r))
        return;
    const unsigned p = context_.settings.GetCurrentProfile();
    ProfileSettings& profile = context_.profiles[p];
    bool changed = UpdateDpiLevel(profile, r[kDpiLevel]);
    UpdateBattery(r[kBattery], r[kCharge]);
    const uint8_t oldClass = status_.rateClass;
    const uint8_t rateClass = r[kRateClass];
    if (kind != ConnectionKind::Ble && (rateClass == 8 || rateClass == 4 || rateClass == 1))
        status_.rateClass = rateClass;
    changed = UpdatePollingRate(kind, profile, r[kPolling]) || changed;
    changed = UpdateLighting(profile, r[kLighting]) || changed;
    Launch(kind, profile, r[kLaunch]);
    if (kind != ConnectionKind::Ble && status_.rateClass != oldClass)
        effects_.RefreshPages();
    UpdateSensor(p, r[kSensor]);
    // A profile index the mouse cannot hold is no switch.
    const uint8_t reported = r[kProfile];
    if (reported != p && reported < ProfileTable::kCount) {
        context_.settings.SetCurrentProfile(reported);
        sync_.OnProfileChangedByMouse();
        status_.skipReports = kSkipAfterSwitch;
    } else if (!changed) {
        return;
    }
    sync_.SetDeferredSave();
    effects_.ShowOnScreenDisplay();
    effects_.RefreshPages();
    sync_.PrimeCaches();
}

bool StatusReportReader::ReceiverOnline(std::span<const uint8_t> r) {
    const bool online = r[kOnline] != 0;
    if (!CableOrBlePresent()) {
        const bool wasOnline = status_.deviceOnline;
        if (online != wasOnline || (!online && !effects_.OfflineNoticeShown()))
            effects_.StartTimer(DeviceTimer::OfflineNotice, kOfflineTimerMs);
    }
    status_.deviceOnline = online;
    if (!online && !CableOrBlePresent()) {
        status_.battery = 0;
        status_.charge = 0;
    }
    return online;
}

bool StatusReportReader::UpdateDpiLevel(ProfileSettings& profile, uint8_t level) {
    // Levels past the eighth would index past the profile's DPI tables.
    if (level == status_.lastDpiLevel || level > kMaxDpiLevel)
        return false;
    status_.lastDpiLevel = level;
    profile.CurrentDPILevelValue = level;
    return true;
}

void StatusReportReader::UpdateBattery(uint8_t level, uint8_t charge) {
    status_.battery = level;
    status_.charge = charge == 1 || charge == 2 ? charge : 0;
    if (charge == 2)
        status_.battery = 100;
}

bool StatusReportReader::UpdatePollingRate(ConnectionKind kind, ProfileSettings& profile,
                                           uint8_t code) {
    const bool full = kind != ConnectionKind::Wired || status_.rateClass == 8;
    const uint8_t index = StatusReport::DecodePollingRate(code, full);
    if (index == profile.PollingRateValue[0])
        return false;
    profile.PollingRateValue = {index, 0, 0};
    profile.PollingRateName = kPollingNames[index];
    return true;
}

bool StatusReportReader::UpdateLighting(ProfileSettings& profile, uint8_t effect) {
    LightingZone& zone = profile.Lighting1;
    if (effect == zone.ModeValue[0])
        return false;
    const bool known = effect >= 1 && effect <= kLightingEffects;
    zone.Name = context_.texts.Get(known ? kLightingNameText + effect : kUnknownLightingText);
    zone.ModeValue = {effect, 0, 0};
    return true;
}

void StatusReportReader::Launch(ConnectionKind kind, const ProfileSettings& profile,
                                uint8_t button) {
    uint8_t& last = status_.lastLaunch[KindIndex(kind)];
    if (button == 0 || button == last) {
        last = button;
        return;
    }
    last = button;
    if (button <= kButtons)
        effects_.LaunchProgram(profile.Keys[button - 1].URL);
}

// Unknown identifiers are ignored like 0: rerunning the change for each report would reset
// every profile's DPI levels and rewrite six files again and again.
void StatusReportReader::UpdateSensor(unsigned profile, uint8_t identifier) {
    const auto model = SensorModelFromIdentifier(identifier);
    if (!model || *model == context_.settings.SensorModel())
        return;
    context_.settings.SetSensor(*model);
    context_.settings.SetPreST(static_cast<uint16_t>(~*model));
    context_.settings.SaveSettings(profile);
    context_.files.ResetAllDpi();
    context_.files.SaveAllProfiles();
    context_.sensor.BuildSensorTables(*model);
    effects_.SensorChanged();
}
