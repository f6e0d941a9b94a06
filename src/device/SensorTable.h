#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A run of resolutions: first, first + step, ... up to last (DPI).
struct DpiRun {
    uint32_t first;
    uint32_t last;
    uint32_t step;
};

// `times` runs of `length` consecutive register values, each run starting `stride` above the last.
struct RegisterRun {
    uint16_t first;
    uint16_t length;
    uint16_t times;
    uint16_t stride;
};

// What one sensor model offers; the step and register lists are built from the runs.
struct SensorModel {
    uint16_t model;
    uint8_t identifier; // the byte the mouse reports in its status report
    std::span<const DpiRun> dpi;
    std::span<const RegisterRun> registers;
    bool sensorPageShown;
    bool separateXYDpi;
    std::array<uint16_t, 8> defaultLevelSteps; // step index of DPI levels 0-7 after a reset
};

// The model of a known sensor, or nullptr.
const SensorModel* FindSensorModel(uint16_t model);

// The model word for a status-report identifier; empty for 0 and for unknown identifiers.
std::optional<uint16_t> SensorModelFromIdentifier(uint8_t identifier);

// Step indices of DPI levels 0-7 after a reset, each a valid step; empty for an unknown model.
std::optional<std::array<uint16_t, 8>> DefaultDpiLevelSteps(uint16_t model);

// DPI steps and register values of the current sensor model.
class SensorTables {
  public:
    // Fills the tables for a known model and returns true; an unknown model changes nothing.
    bool BuildSensorTables(uint16_t model);

    uint16_t Model() const { return model_; }
    uint32_t DpiStepCount() const { return static_cast<uint32_t>(steps_.size()); }
    // Entry i is the resolution of step i divided by 50.
    std::span<const uint32_t> DpiStepTable() const { return steps_; }
    std::span<const uint16_t> DpiRegisterTable() const { return registers_; }
    // Resolution of a step in DPI; 0 past the end.
    uint32_t StepDpi(uint32_t step) const;
    // Register value of a step; 0 past the end.
    uint16_t StepRegister(uint32_t step) const;
    bool SensorPageShown() const { return sensorPageShown_; }
    bool SeparateXYDpi() const { return separateXYDpi_; }

  private:
    uint16_t model_ = 0;
    std::vector<uint32_t> steps_;
    std::vector<uint16_t> registers_;
    bool sensorPageShown_ = false;
    bool separateXYDpi_ = false;
};
