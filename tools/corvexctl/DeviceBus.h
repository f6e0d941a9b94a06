#pragma once

#include <memory>
#include <string>

#include "device/hid/HidBus.h"

// The bus the device verbs work on: the virtual HID bus at HOST:PORT when given, else hidraw.
// Nothing, with the reason in *error, when it cannot be opened.
std::unique_ptr<HidBus> OpenDeviceBus(const std::string& virtualDevice, std::string* error);
