#pragma once

#include "device/DeviceSync.h"
#include "mainwnd/ButtonPage.h"
#include "mainwnd/MainWindowLayout.h"
#include "mainwnd/PageValues.h"
#include "ui/CDlgBase.h"

#include <array>

class ProfileTable;
class SensorTables;
class SettingsStore;

// The main window: every control of the layout table, the right-hand column laid out at each
// paint, the collapsible sections and the button assignment page.
//
//     CCorvexDlg main(ui, {profiles, settings, sensor, sync.Pending()});
//     main.Create(); // or DoModal() for the whole run
class CCorvexDlg : public CDlgBase {
  public:
    // The process-wide state the pages edit; all of it outlives the window.
    struct Model {
        ProfileTable& profiles;
        SettingsStore& settings;
        SensorTables& sensor;
        PendingFlags& pending;
    };

    CCorvexDlg(UiContext& ui, Model model);

    // Sets the visible flag of every section's controls to its header's state.
    void ShowSections();
    // Shows the current profile in every control, then repaints.
    void RefreshPages();
    // Copies the switch, slider and radio values back into the current profile.
    void CollectPages();
    // The maximum-rate class the mouse reported (1 until then); the next refresh follows it.
    void SetMaxRateClass(int rateClass) { maxRateClass_ = rateClass; }
    bool IsSectionOpen(int header) const;

  protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void Draw(Surface& surface, const Rect& client) override;
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

  private:
    CControlBase* CreateControl(const ControlSpec& spec, const Rect& rect);
    void HeaderReleased(int header);
    void ButtonNotified(int controlId, intptr_t code);
    void ApplyValues();
    void ReadValues();
    ProfileSettings& CurrentProfile();
    CControlBase* Control(int id) const { return FindControl(unsigned(id)); }

    Model model_;
    PageValues values_;
    ButtonPageHighlight highlight_;
    std::array<CControlBase*, 2> mouseViews_{};
    int maxRateClass_ = 1;
    Point clientOrigin_;
};
