#pragma once

#include <string>

constexpr int kExitOk = 0;
constexpr int kExitBadFile = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoBus = 1;

int RunInit(const std::string& dir);
int RunDump(const std::string& file);
int RunDevices(const std::string& virtualDevice);
