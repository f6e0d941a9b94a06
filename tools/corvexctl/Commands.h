#pragma once

#include <string>

constexpr int kExitOk = 0;
constexpr int kExitBadFile = 1;
constexpr int kExitUsage = 2;

int RunInit(const std::string& dir);
int RunDump(const std::string& file);
