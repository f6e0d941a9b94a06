#pragma once

#include <cstdint>
#include <string>

constexpr int kExitOk = 0;
constexpr int kExitBadFile = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoBus = 1;
constexpr int kExitNoMouse = 3;
constexpr int kExitNotAcknowledged = 4;

int RunInit(const std::string& dir);
int RunDump(const std::string& file);
int RunDevices(const std::string& virtualDevice);
int RunStatus(const std::string& virtualDevice, bool watch, int waitMs);
int RunSwitch(const std::string& virtualDevice, int profile);
int RunApply(const std::string& virtualDevice, const std::string& file, uint16_t sensorModel);
int RunPair(const std::string& virtualDevice);
int RunFactoryReset(const std::string& virtualDevice);
