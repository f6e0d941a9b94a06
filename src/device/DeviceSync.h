#pragma once

#include <cstdint>
#include <optional>

#include "device/BlockImages.h"
#include "device/DeviceContext.h"
#include "device/MacroUpload.h"

class CommandSender;
class DeviceEffects;
class DeviceLink;
class ProfileSettings;
struct DeviceStatus;

// What must be sent at the next application of changes.
struct PendingFlags {
    bool profileSwitch = false;
    bool buttons = false;
    bool settings = false;
    bool power = false;
    bool motion = false;
};

// Keeps the mouse in step with the current profile: each block is sent only when its image
// differs from the one built last time. Everything runs on the UI thread.
class DeviceSync {
  public:
    static constexpr int kOfflineText = 156;
    static constexpr int kProgressText = 146;
    static constexpr uint32_t kApplyTimerMs = 20;
    static constexpr uint32_t kDeferredSaveMs = 10000;

    DeviceSync(const DeviceContext& context, const DeviceStatus& status, CommandSender& sender,
               const DeviceLink& link, DeviceEffects& effects);

    // The pages set these, then start timer 30 (StartApplyTimer).
    PendingFlags& Pending() { return pending_; }
    // The profile list's choice: SwitchProfile to `index` at the next application.
    void RequestProfileSwitch(uint8_t index);
    void StartApplyTimer();

    // Timer 30: sends the pending blocks that changed, then the macros; shows the progress
    // dialog when a frame went out and restarts the deferred save. Without a reachable mouse
    // it opens the attention dialog instead and keeps the flags.
    void ApplyPendingChanges();
    void UploadButtons();
    void UploadSettings();
    void UploadPowerOptions();
    void UploadMotionOptions();
    // Makes every cache equal to the current profile without sending.
    void PrimeCaches();
    // The next upload sends buttons, lighting, DPI, colours, polling rate, lift-off, power
    // options and every macro; debounce and motion options keep their caches. Before the
    // first priming every cache is empty, so a fresh link sends every block.
    void InvalidateCaches();

    // A command handle is open on the cable or Bluetooth, or on the receiver while the mouse
    // behind it is online.
    bool MouseReachable() const;

    // The mouse switched profile itself: buttons and settings are sent again after the
    // on-screen display, with the caches invalidated at the next priming.
    void OnProfileChangedByMouse();
    // Timer 50 ended the on-screen display.
    void OnDisplayClosed();

    bool DeferredSavePending() const { return deferredSave_; }
    void SetDeferredSave() { deferredSave_ = true; }
    void ClearDeferredSave() { deferredSave_ = false; }
    bool ApplyAfterDisplay() const { return applyAfterDisplay_; }
    MacroUploader& Macros() { return macros_; }

  private:
    // An empty cache is unknown and differs from every image.
    struct Caches {
        std::optional<ButtonImage> buttons;
        std::optional<DpiImage> dpi;
        std::optional<DpiColourImage> colours;
        std::optional<uint8_t> polling;
        std::optional<uint8_t> liftOff;
        std::optional<uint8_t> debounce;
        std::optional<LightingImage> lighting;
        std::optional<OptionImage> power;
        std::optional<OptionImage> motion;
    };

    ProfileSettings& Current();
    void SendSwitchProfile();
    template <typename Image> static bool Refresh(std::optional<Image>& cache, const Image& image);

    DeviceContext context_;
    const DeviceStatus& status_;
    CommandSender& sender_;
    const DeviceLink& link_;
    DeviceEffects& effects_;
    PendingFlags pending_;
    Caches caches_;
    MacroUploader macros_;
    uint8_t switchIndex_ = 0;
    bool deferredSave_ = false;
    bool applyAfterDisplay_ = false;
    bool invalidateAfterPriming_ = false;
};
