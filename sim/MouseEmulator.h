#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include "FirmwareCommands.h"
#include "FirmwareState.h"
#include "FrameLog.h"
#include "MouseConnection.h"
#include "device/hid/HidDeviceModel.h"

// The mouse's own state that it reports but no command sets.
struct MouseStatus {
    uint8_t battery = 100; // percent
    uint8_t charge = 0;    // 1 charging, 2 full, 0 not charging
    uint8_t rateClass = 8; // 1, 4 or 8
    uint8_t sensor = 0x95; // identifier of the sensor it carries
    bool online = true;    // the mouse behind the receiver answers
};

// A firmware model of the mouse: it takes the command frames the program sends, keeps what they
// set, acknowledges them, and sends status reports when something changes on the mouse side.
// All calls lock one mutex; events are raised while it is held (it is recursive, so an event
// handler may call back in on the same thread).
class MouseEmulator : public HidDeviceModel {
  public:
    struct Options {
        uint32_t seed = 1;                // garbage reports are drawn from this
        uint32_t drainIntervalMs = 60000; // one percent of battery lost while not charging
        uint32_t chargeIntervalMs = 3000; // one percent gained while charging
        uint32_t demoIntervalMs = 3000;   // one demo step
    };

    enum class Garbage {
        Random,  // random bytes, never starting with report id 4
        WrongId, // a status report under another report id
        Short,   // report 4 cut to six bytes
        Foreign, // a report on the interface the program must ignore
    };

    MouseEmulator();
    explicit MouseEmulator(Options options);

    void SetEvents(Events events) override;
    std::vector<Interface> Interfaces() const override;
    bool SetFeature(uint16_t id, std::span<const uint8_t> report) override;
    std::optional<std::vector<uint8_t>> GetFeature(uint16_t id, uint8_t reportId,
                                                   size_t length) override;

    // False when the kind already is (or is not) plugged.
    bool Plug(MouseConnection kind);
    bool Unplug(MouseConnection kind);
    bool IsPlugged(MouseConnection kind) const;
    std::optional<uint16_t> CommandInterface(MouseConnection kind) const;
    std::optional<uint16_t> StatusInterface(MouseConnection kind) const;
    std::optional<uint16_t> ExtraInterface(MouseConnection kind) const;

    // What the user and the mouse do; each change sends a status report. False for bad values.
    void PressProfileButton();
    bool SetProfile(int profile);
    bool SetDpiLevel(int level);
    bool SetBattery(int percent);
    bool SetCharge(int state);
    bool SetRateClass(int rateClass);
    void SetSensor(uint8_t identifier);
    bool SetOnline(bool online); // false without a plugged receiver
    bool Launch(int button);     // 1 to 16: a report with the button, then one with 0
    void SetDemo(bool on);
    bool DemoOn() const;
    // Lets time pass: battery drain and charging, demo steps.
    void Advance(uint32_t ms);

    // Faults.
    void NakFrames(uint32_t count); // the next `count` frames are dropped; 0 ends `nak all` too
    void NakAll();
    void FailNextGetFeature();
    void SendGarbage(Garbage kind); // on every plugged kind
    // Unplugs `kind` right after it took `frames` more MacroData frames.
    void UnplugDuringMacroUpload(MouseConnection kind, uint32_t frames);

    FirmwareState Firmware() const;
    MouseStatus Status() const;
    std::vector<FrameRecord> Frames() const;
    void ClearFrames();
    // The status report the kind would send now.
    std::vector<uint8_t> StatusBytes(MouseConnection kind) const;

  private:
    struct Link {
        bool plugged = false;
        uint16_t command = 0;
        uint16_t status = 0;
        uint16_t extra = 0;
        std::optional<FrameBytes> reply;       // answer to the next GET_FEATURE of report 6
        std::optional<FrameBytes> firstPacket; // of a two-packet command
    };

    Link& LinkOf(MouseConnection kind) { return links_[static_cast<size_t>(kind)]; }
    const Link& LinkOf(MouseConnection kind) const { return links_[static_cast<size_t>(kind)]; }
    std::optional<MouseConnection> KindOfCommand(uint16_t id) const;
    bool TakePairing(MouseConnection kind, std::span<const uint8_t> report);
    void TakeFrame(MouseConnection kind, std::span<const uint8_t> report);
    std::string Dispatch(Link& link, const FrameBytes& frame, std::string& note);
    void CutMacroUpload(MouseConnection kind, const FrameBytes& frame);
    bool Reaches(MouseConnection kind) const;
    void Report(MouseConnection kind);
    void ReportAll();
    void Send(uint16_t id, std::vector<uint8_t> report);
    bool BatteryStep();
    void DemoStep();
    bool Tick(uint32_t& elapsed, uint32_t interval, uint32_t ms);

    mutable std::recursive_mutex mutex_;
    Options options_;
    Events events_;
    std::array<Link, 3> links_{};
    uint16_t nextId_ = 1;
    FirmwareState firmware_;
    MouseStatus status_;
    FrameLog log_;
    std::mt19937 random_;
    uint8_t launch_ = 0;
    uint32_t nakCount_ = 0;
    bool nakAll_ = false;
    bool failGet_ = false;
    std::optional<MouseConnection> cutKind_;
    uint32_t cutAfter_ = 0;
    bool demo_ = false;
    uint32_t demoElapsed_ = 0;
    uint32_t demoSteps_ = 0;
    uint32_t batteryElapsed_ = 0;
};
