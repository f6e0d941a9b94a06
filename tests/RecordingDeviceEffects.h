#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "device/DeviceEffects.h"

// Records every effect as a short line, e.g. "timer 30 20", "attention 156".
class RecordingDeviceEffects : public DeviceEffects {
  public:
    std::vector<std::string> calls;
    std::vector<ConnectionDisplay> displays;
    std::vector<std::u16string> launched;
    bool offlineNoticeShown = false;

    void StartTimer(DeviceTimer timer, uint32_t ms) override {
        calls.push_back("timer " + std::to_string(static_cast<uint32_t>(timer)) + " " +
                        std::to_string(ms));
    }
    void RefreshPages() override { calls.push_back("refresh"); }
    void ShowOnScreenDisplay() override { calls.push_back("osd"); }
    void OpenAttention(int text) override { calls.push_back("attention " + std::to_string(text)); }
    void CloseSecondaryWindows() override { calls.push_back("close windows"); }
    void ShowProgress(int text) override { calls.push_back("progress " + std::to_string(text)); }
    void LaunchProgram(const std::u16string& path) override {
        calls.push_back("launch");
        launched.push_back(path);
    }
    void ShowConnection(const ConnectionDisplay& display) override {
        calls.push_back("connection");
        displays.push_back(display);
    }
    void SensorChanged() override { calls.push_back("sensor"); }
    bool OfflineNoticeShown() const override { return offlineNoticeShown; }

    size_t Count(const std::string& call) const {
        return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
    }
    void Clear() {
        calls.clear();
        displays.clear();
        launched.clear();
    }
};
