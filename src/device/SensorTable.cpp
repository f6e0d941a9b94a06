#include "device/SensorTable.h"

#include <algorithm>

namespace {

constexpr DpiRun kDpi3104[] = {
    {100, 4000, 100}, {4500, 4500, 100}, {4800, 4800, 100}, {5500, 8000, 500}};
constexpr DpiRun kDpi100To24000[] = {{100, 24000, 100}};
constexpr DpiRun kDpi3325[] = {{200, 200, 100}, {200, 12800, 100}};
constexpr DpiRun kDpi3327[] = {{200, 6200, 100}, {6500, 12000, 500}, {12400, 12400, 100}};
constexpr DpiRun kDpi3212[] = {{200, 2400, 100}, {3000, 4800, 100}};
constexpr DpiRun kDpi100To16000[] = {{100, 16000, 100}};
constexpr DpiRun kDpi3360[] = {{100, 12000, 100}, {24000, 24000, 100}};
constexpr DpiRun kDpi3370[] = {{50, 10000, 50}, {10100, 19000, 100}};
constexpr DpiRun kDpi50To26000[] = {{50, 26000, 50}};
constexpr DpiRun kDpi50To30000[] = {{50, 30000, 50}};
constexpr DpiRun kDpi50To20000[] = {{50, 20000, 50}};

constexpr RegisterRun kReg48[] = {{0, 48, 1, 0}};
constexpr RegisterRun kReg240[] = {{0, 240, 1, 0}};
constexpr RegisterRun kReg128[] = {{0, 128, 1, 0}};
constexpr RegisterRun kReg74From1[] = {{1, 74, 1, 0}};
constexpr RegisterRun kReg42From1[] = {{1, 42, 1, 0}};
constexpr RegisterRun kReg3335[] = {{0, 1, 1, 0},  {2, 6, 1, 0},   {9, 6, 1, 0},   {16, 5, 1, 0},
                                    {22, 6, 1, 0}, {29, 5, 1, 0},  {35, 1, 1, 0},  {37, 6, 1, 0},
                                    {44, 5, 1, 0}, {50, 5, 21, 6}, {176, 14, 1, 0}};
constexpr RegisterRun kReg121[] = {{0, 121, 1, 0}};
constexpr RegisterRun kReg290[] = {{0, 290, 1, 0}};
constexpr RegisterRun kReg160[] = {{0, 160, 1, 0}};
constexpr RegisterRun kReg520[] = {{0, 520, 1, 0}};
constexpr RegisterRun kReg600[] = {{0, 600, 1, 0}};
constexpr RegisterRun kReg400[] = {{0, 400, 1, 0}};

const SensorModel kSensors[] = {
    {0x3104,
     0x04,
     kDpi3104,
     kReg48,
     false,
     false,
     {0x04, 0x0F, 0x17, 0x1F, 0x27, 0x29, 0x3A, 0x32}},
    {0x3311,
     0x11,
     kDpi100To24000,
     kReg240,
     false,
     false,
     {0x07, 0x0B, 0x0F, 0x17, 0x1F, 0x3F, 0x7F, 0xE3}},
    {0x3325,
     0x25,
     kDpi3325,
     kReg128,
     false,
     false,
     {0x0B, 0x0F, 0x17, 0x1F, 0x3F, 0x7F, 0x47, 0x7F}},
    {0x3327,
     0x27,
     kDpi3327,
     kReg74From1,
     false,
     false,
     {0x02, 0x06, 0x0E, 0x1E, 0x30, 0x3A, 0x3A, 0x3A}},
    {0x3212,
     0x12,
     kDpi3212,
     kReg42From1,
     false,
     false,
     {0x06, 0x0A, 0x0E, 0x16, 0x21, 0x0C, 0x0C, 0x0C}},
    {0x3335,
     0x35,
     kDpi100To16000,
     kReg3335,
     true,
     false,
     {0x0B, 0x17, 0x1F, 0x3F, 0x63, 0x9F, 0x3B, 0x3B}},
    {0x3360,
     0x60,
     kDpi3360,
     kReg121,
     true,
     false,
     {0x03, 0x07, 0x0F, 0x1F, 0x31, 0x3B, 0x3B, 0x3B}},
    {0x3370, 0x70, kDpi3370, kReg290, true, true, {0x07, 0x0F, 0x1F, 0x3F, 0x63, 0x77, 0x77, 0x77}},
    {0x3389,
     0x89,
     kDpi100To16000,
     kReg160,
     true,
     true,
     {0x03, 0x07, 0x0F, 0x1F, 0x31, 0x3B, 0x3B, 0x3B}},
    {0x3395,
     0x95,
     kDpi50To26000,
     kReg520,
     true,
     true,
     {0x0F, 0x17, 0x1F, 0x2F, 0x3F, 0x7F, 0x207, 0x207}},
    {0x3950,
     0x50,
     kDpi50To30000,
     kReg600,
     true,
     true,
     {0x0F, 0x17, 0x1F, 0x2F, 0x3F, 0x7F, 0x257, 0x257}},
    {0x3399,
     0x99,
     kDpi50To20000,
     kReg400,
     true,
     true,
     {0x07, 0x0F, 0x1F, 0x3F, 0x63, 0x63, 0x63, 0x63}},
};

std::vector<uint32_t> ExpandSteps(std::span<const DpiRun> runs) {
    std::vector<uint32_t> steps;
    for (const auto& run : runs)
        for (uint32_t dpi = run.first; dpi <= run.last; dpi += run.step)
            steps.push_back(dpi / 50);
    return steps;
}

std::vector<uint16_t> ExpandRegisters(std::span<const RegisterRun> runs) {
    std::vector<uint16_t> registers;
    for (const auto& run : runs)
        for (uint16_t t = 0; t < run.times; ++t)
            for (uint16_t k = 0; k < run.length; ++k)
                registers.push_back(static_cast<uint16_t>(run.first + t * run.stride + k));
    return registers;
}

} // namespace

const SensorModel* FindSensorModel(uint16_t model) {
    const auto* it = std::find_if(std::begin(kSensors), std::end(kSensors),
                                  [model](const SensorModel& s) { return s.model == model; });
    return it == std::end(kSensors) ? nullptr : it;
}

std::optional<uint16_t> SensorModelFromIdentifier(uint8_t identifier) {
    const auto* it =
        std::find_if(std::begin(kSensors), std::end(kSensors),
                     [identifier](const SensorModel& s) { return s.identifier == identifier; });
    if (identifier == 0 || it == std::end(kSensors))
        return std::nullopt;
    return it->model;
}

std::optional<std::array<uint16_t, 8>> DefaultDpiLevelSteps(uint16_t model) {
    const SensorModel* sensor = FindSensorModel(model);
    if (!sensor)
        return std::nullopt;
    // Some listed defaults lie past the sensor's last step; keep every level a valid index.
    const auto last = static_cast<uint16_t>(ExpandSteps(sensor->dpi).size() - 1);
    auto steps = sensor->defaultLevelSteps;
    for (auto& step : steps)
        step = std::min(step, last);
    return steps;
}

bool SensorTables::BuildSensorTables(uint16_t model) {
    const SensorModel* sensor = FindSensorModel(model);
    if (!sensor)
        return false;
    model_ = model;
    steps_ = ExpandSteps(sensor->dpi);
    registers_ = ExpandRegisters(sensor->registers);
    sensorPageShown_ = sensor->sensorPageShown;
    separateXYDpi_ = sensor->separateXYDpi;
    return true;
}

uint32_t SensorTables::StepDpi(uint32_t step) const {
    return step < steps_.size() ? steps_[step] * 50 : 0;
}

uint16_t SensorTables::StepRegister(uint32_t step) const {
    return step < registers_.size() ? registers_[step] : 0;
}
