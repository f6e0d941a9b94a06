#pragma once

#include <string>

#include "FirmwareState.h"
#include "MouseEmulator.h"

// The firmware state and the mouse's own status as a few readable lines.
std::string SimStateText(const FirmwareState& firmware, const MouseStatus& status);
