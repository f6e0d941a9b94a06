// The main window's side of the device link: connection icon, polling header, sensor page.
#include "mainwnd/CCorvexDlg.h"

#include "device/SensorTable.h"
#include "ui/CCheckButton.h"
#include "ui/CLevelBar.h"

namespace {

struct ConnectionIcon {
    ConnectionKind kind;
    int control;
};
constexpr std::array<ConnectionIcon, 3> kConnectionIcons{{
    {ConnectionKind::Wired, 3409},
    {ConnectionKind::Receiver, 3410},
    {ConnectionKind::Ble, 3408},
}};

// How many of the polling radios a receiver of this rate class offers; 0 leaves them as they are.
int ReceiverRadios(uint8_t rateClass) {
    return rateClass == 8 ? 7 : rateClass == 4 ? 6 : 0;
}

} // namespace

void CCorvexDlg::ShowConnection(const ConnectionDisplay& display) {
    Rect iconArea{};
    for (const ConnectionIcon& icon : kConnectionIcons)
        if (CControlBase* control = Control(icon.control)) {
            control->SetShown(display.icon == icon.kind);
            iconArea = control->GetRect();
        }
    for (int i = 0; i < ReceiverRadios(display.receiverRateClass); ++i)
        if (CControlBase* radio = Control(MainControl::FirstPollingRadio + i))
            radio->SetDisabled(false);
    auto* header = dynamic_cast<CCheckButton*>(Control(MainControl::PollingHeader));
    if (header && display.collapsePerformanceHeader && header->GetCheck()) {
        header->SetCheck(false);
        ShowSections();
        Invalidate();
    }
    if (header)
        header->SetDisabled(!display.performanceHeaderEnabled);
    Invalidate(iconArea);
}

// Header 3011 follows the sensor at the next paint, which the refresh asks for.
void CCorvexDlg::SensorChanged() {
    const int steps = int(model_.sensor.DpiStepCount());
    for (int i = 0; i < PageValues::kLevels; ++i)
        if (auto* box = dynamic_cast<CLevelBar*>(Control(MainControl::FirstValueBox + i)))
            box->SetLevelCount(steps);
    RefreshPages();
}
