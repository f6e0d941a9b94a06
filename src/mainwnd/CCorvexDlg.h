#pragma once

#include "device/DeviceEffects.h"
#include "device/DeviceStatus.h"
#include "device/DeviceSync.h"
#include "mainwnd/ButtonMenuSession.h"
#include "mainwnd/ButtonPage.h"
#include "mainwnd/MainWindowLayout.h"
#include "mainwnd/PageValues.h"
#include "settings/ButtonFunction.h"
#include "ui/CDlgBase.h"

#include <array>
#include <functional>
#include <string>

class MacroRecord;
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
        // The maximum-rate class decides which polling controls the pages offer.
        const DeviceStatus& status;
    };

    CCorvexDlg(UiContext& ui, Model model);

    // Sets the visible flag of every section's controls to its header's state.
    void ShowSections();
    // Shows the current profile in every control, then repaints.
    void RefreshPages();
    // Copies the switch, slider and radio values back into the current profile.
    void CollectPages();
    // After a scan: the icon of the connection in use, header 3004 enabled or collapsed, the
    // receiver's polling radios enabled by its rate class.
    void ShowConnection(const ConnectionDisplay& display);
    // The sensor model changed: the value boxes take its step count, header 3011 its page.
    void SensorChanged();
    bool IsSectionOpen(int header) const;

    // A function chosen for a button control (a menu item or a dialog's result): stored on the
    // key of the current profile under the left-button rule; starts timer 30 (buttons pending)
    // or timer 20 (the left button was restored; the timer handler warns the user).
    void AssignButton(int controlId, std::u16string name, const ButtonFunction& code,
                      const MacroRecord* macro = nullptr, std::u16string url = {});
    // Modal attention dialog with a numbered language text.
    void ShowNotice(int textNumber);
    // Receives every timer of the window after the one-shot timers 20 and 30 have been killed
    // (timer 30 applies the pending changes, timer 20 shows the left-button warning).
    void SetTimerHandler(std::function<void(int id)> handler) {
        timerHandler_ = std::move(handler);
    }

  protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void Draw(Surface& surface, const Rect& client) override;
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnTimer(int id) override;

  private:
    CControlBase* CreateControl(const ControlEntry& entry, const Rect& rect);
    CControlBase* CreateSlider(const ControlEntry& entry, const Rect& rect, ControlFlags flags);
    template <class Bar>
    CControlBase* CreateLevelBar(const ControlEntry& entry, const Rect& rect, ControlFlags flags);
    void HeaderReleased(int header);
    // An item of the function menu that opens a dialog (fire key, macro, shortcut, quick launch).
    void DialogItemChosen(uint32_t message);
    void ButtonNotified(int controlId, intptr_t code);
    void OpenFunctionMenu(int controlId);
    void CloseFunctionMenu();
    // Opens the sub-list beside the function menu's row `item` (closing the one open).
    void ShowSubmenu(ButtonSubmenu submenu, int item);
    void SubmenuDismissed();
    void ApplyValues();
    void ReadValues();
    ProfileSettings& CurrentProfile();
    CControlBase* Control(int id) const { return FindControl(unsigned(id)); }

    Model model_;
    PageValues values_;
    ButtonPageHighlight highlight_;
    ButtonMenuSession menu_;
    std::array<CControlBase*, 2> mouseViews_{};
    Point clientOrigin_;
    std::function<void(int id)> timerHandler_;
};
