#include "settings/DpiResetSteps.h"

#include "device/SensorTable.h"

// One sensor table for the whole program: the reset steps come from the sensor models.
DpiResetSteps FindDpiResetSteps(uint16_t sensorModel) { return DefaultDpiLevelSteps(sensorModel); }
