#include "device/DeviceSync.h"

#include <span>

#include "device/CommandFrame.h"
#include "device/DeviceEffects.h"
#include "device/DeviceLink.h"
#include "device/DeviceStatus.h"
#include "device/SensorTable.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

namespace {

void SendSingle(CommandSender& sender, CommandCode code, std::span<const uint8_t> payload) {
    sender.Send(code, kSinglePacket, payload);
}

// Two-packet commands whose second packet repeats the head of the first.
void SendTwo(CommandSender& sender, CommandCode code, std::span<const uint8_t> first,
             std::span<const uint8_t> second) {
    sender.Send(code, kFirstOfTwo, first);
    sender.Send(code, kSecondOfTwo, second);
}

} // namespace

DeviceSync::DeviceSync(const DeviceContext& context, const DeviceStatus& status,
                       CommandSender& sender, const DeviceLink& link, DeviceEffects& effects)
    : context_(context), status_(status), sender_(sender), link_(link), effects_(effects),
      macros_(sender) {}

ProfileSettings& DeviceSync::Current() {
    return context_.profiles[context_.settings.GetCurrentProfile()];
}

template <typename Image>
bool DeviceSync::Refresh(std::optional<Image>& cache, const Image& image) {
    const bool differed = cache != image;
    cache = image;
    return differed;
}

void DeviceSync::RequestProfileSwitch(uint8_t index) {
    switchIndex_ = index;
    pending_.profileSwitch = true;
}

void DeviceSync::StartApplyTimer() {
    effects_.StartTimer(DeviceTimer::ApplyPending, kApplyTimerMs);
}

// The online flag speaks for the receiver only: with no command handle open at all there is
// nobody to send to, and the user must hear so instead of seeing the progress bar.
bool DeviceSync::MouseReachable() const {
    return link_.CommandOpen(ConnectionKind::Wired) || link_.CommandOpen(ConnectionKind::Ble) ||
           (status_.deviceOnline && link_.CommandOpen(ConnectionKind::Receiver));
}

void DeviceSync::ApplyPendingChanges() {
    sender_.ClearCommandSent();
    if (!MouseReachable()) {
        effects_.OpenAttention(kOfflineText);
        return;
    }
    macros_.ResolveMacroSlots(Current(), context_.library, context_.texts);
    if (pending_.profileSwitch)
        SendSwitchProfile();
    if (pending_.buttons)
        UploadButtons();
    if (pending_.settings)
        UploadSettings();
    if (pending_.power)
        UploadPowerOptions();
    if (pending_.motion)
        UploadMotionOptions();
    pending_ = {};
    macros_.UploadMacros(Current(), true);
    if (sender_.CommandSent())
        effects_.ShowProgress(kProgressText);
    effects_.StartTimer(DeviceTimer::DeferredSave, kDeferredSaveMs);
    deferredSave_ = true;
    effects_.RefreshPages();
}

void DeviceSync::SendSwitchProfile() {
    const uint8_t payload[] = {switchIndex_};
    SendSingle(sender_, CommandCode::SwitchProfile, payload);
}

void DeviceSync::UploadButtons() {
    const ButtonImage image = BuildButtonImage(Current());
    if (!Refresh(caches_.buttons, image))
        return;
    const std::span<const uint8_t> bytes(image);
    SendTwo(sender_, CommandCode::SetButtonTable, bytes.first(27), bytes.subspan(27));
}

void DeviceSync::UploadSettings() {
    const ProfileSettings& profile = Current();
    const bool polling = Refresh(caches_.polling, BuildPollingRateImage(profile));
    const bool liftOff = Refresh(caches_.liftOff, BuildLiftOffImage(profile));
    const bool debounce = Refresh(caches_.debounce, BuildDebounceImage(profile));
    const DpiImage dpi = BuildDpiImage(profile, context_.sensor);
    const bool dpiChanged = Refresh(caches_.dpi, dpi);
    const bool colours = Refresh(caches_.colours, BuildDpiColourImage(profile));
    const bool lighting = Refresh(caches_.lighting, BuildLightingImage(profile));
    if (dpiChanged) {
        // Both packets carry level and mask, then X or Y registers.
        std::array<uint8_t, 18> x{}, y{};
        std::copy_n(dpi.begin(), 18, x.begin());
        y[0] = dpi[0], y[1] = dpi[1];
        std::copy_n(dpi.begin() + 18, 16, y.begin() + 2);
        SendTwo(sender_, CommandCode::SetDpiLevels, x, y);
    }
    if (colours)
        SendSingle(sender_, CommandCode::SetDpiColours, *caches_.colours);
    if (polling)
        SendSingle(sender_, CommandCode::SetPollingRate, std::span(&*caches_.polling, 1));
    if (liftOff)
        SendSingle(sender_, CommandCode::SetLiftOff, std::span(&*caches_.liftOff, 1));
    if (debounce)
        SendSingle(sender_, CommandCode::SetDebounce, std::span(&*caches_.debounce, 1));
    if (lighting)
        SendSingle(sender_, CommandCode::SetLighting, *caches_.lighting);
}

void DeviceSync::UploadPowerOptions() {
    if (Refresh(caches_.power, BuildPowerImage(Current())))
        SendSingle(sender_, CommandCode::SetPowerOptions, *caches_.power);
}

void DeviceSync::UploadMotionOptions() {
    if (Refresh(caches_.motion, BuildMotionImage(Current())))
        SendSingle(sender_, CommandCode::SetMotionOptions, *caches_.motion);
}

void DeviceSync::PrimeCaches() {
    ProfileSettings& profile = Current();
    caches_.buttons = BuildButtonImage(profile);
    caches_.dpi = BuildDpiImage(profile, context_.sensor);
    caches_.colours = BuildDpiColourImage(profile);
    caches_.polling = BuildPollingRateImage(profile);
    caches_.liftOff = BuildLiftOffImage(profile);
    caches_.debounce = BuildDebounceImage(profile);
    caches_.lighting = BuildLightingImage(profile);
    caches_.power = BuildPowerImage(profile);
    caches_.motion = BuildMotionImage(profile);
    macros_.ResolveMacroSlots(profile, context_.library, context_.texts);
    macros_.UploadMacros(profile, false);
    if (invalidateAfterPriming_) {
        invalidateAfterPriming_ = false;
        InvalidateCaches();
    }
}

void DeviceSync::InvalidateCaches() {
    const auto debounce = caches_.debounce;
    const auto motion = caches_.motion;
    caches_ = {};
    caches_.debounce = debounce;
    caches_.motion = motion;
    macros_.ClearCaches();
}

void DeviceSync::OnProfileChangedByMouse() {
    pending_.buttons = true;
    pending_.settings = true;
    invalidateAfterPriming_ = true;
    applyAfterDisplay_ = true;
}

void DeviceSync::OnDisplayClosed() {
    if (!applyAfterDisplay_)
        return;
    applyAfterDisplay_ = false;
    StartApplyTimer();
}
