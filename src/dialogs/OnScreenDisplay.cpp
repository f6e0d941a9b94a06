#include "dialogs/OnScreenDisplay.h"

#include "device/SensorTable.h"
#include "settings/ProfileSettings.h"

#include <string>

namespace {

std::u16string Ascii(const std::string& text) {
    return {text.begin(), text.end()};
}

const char16_t* PollingRateText(uint8_t index) {
    static constexpr const char16_t* kRates[] = {u"125Hz",  u"250Hz",  u"500Hz",
                                                 u"1000Hz", u"2000Hz", u"4000Hz"};
    return index < std::size(kRates) ? kRates[index] : u"8000Hz";
}

} // namespace

OsdLines OsdLinesFor(const ProfileSettings& profile, const SensorTables& sensor) {
    const unsigned level = profile.CurrentDPILevelValue;
    const unsigned shown = level < ProfileSettings::kDpiLevels ? level : 0;
    const auto steps = sensor.DpiStepTable();
    const unsigned step = profile.XYSettingX[shown];
    const uint32_t dpi = step < steps.size() ? 50 * steps[step] : 0;
    return {Ascii("DPI-" + std::to_string(level + 1)), Ascii(std::to_string(dpi)),
            PollingRateText(profile.PollingRateValue[0])};
}

OnScreenDisplay::OnScreenDisplay(Platform& platform, WindowId timerWindow, COSDDialog::Style style,
                                 std::function<std::u16string()> profileName)
    : platform_(platform), timerWindow_(timerWindow), style_(std::move(style)),
      profileName_(std::move(profileName)) {}

void OnScreenDisplay::Show(OsdLines lines) {
    if (!dialog_) {
        dialog_ = std::make_unique<COSDDialog>(platform_, style_, profileName_);
        dialog_->Create();
        platform_.SetTimer(timerWindow_, kTimerId, kPeriodMs);
    }
    countdown_ = kCountdown;
    dialog_->SetLines(std::move(lines));
}

bool OnScreenDisplay::OnTimer() {
    if (countdown_ > 0) {
        --countdown_;
        return false;
    }
    platform_.KillTimer(timerWindow_, kTimerId);
    dialog_.reset();
    return true;
}
