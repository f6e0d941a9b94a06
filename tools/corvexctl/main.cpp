#include "Commands.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"corvexctl: inspect and prepare Corvex data files and devices"};
    app.require_subcommand(1);
    app.fallthrough();

    std::string virtualDevice;
    app.add_option(
        "--virtual-device", virtualDevice,
        "use the virtual HID bus at HOST:PORT (127.0.0.1 or localhost) instead of hidraw");

    std::string initDir;
    auto* init =
        app.add_subcommand("init", "make a fresh data folder as the program's first start does");
    init->add_option("DIR", initDir, "folder to create")->required();

    std::string dumpFile;
    auto* dump = app.add_subcommand(
        "dump", "print a settings, profile, language, library or macro file as JSON");
    dump->add_option("FILE", dumpFile, "file to read")->required();

    auto* devices =
        app.add_subcommand("devices", "list the mouse's HID interfaces for each connection kind");

    bool watch = false;
    int waitMs = 1000;
    auto* status = app.add_subcommand("status", "print which kinds are present and the decoded "
                                                "status reports the mouse sends");
    status->add_flag("--watch", watch, "keep printing reports until interrupted or unplugged");
    status->add_option("--wait", waitMs, "without --watch, milliseconds to collect reports")
        ->check(CLI::Range(0, 600000));

    int profile = 0;
    auto* switchProfile = app.add_subcommand("switch", "make profile N (0 to 4) the mouse's own");
    switchProfile->add_option("N", profile, "profile index")->required();

    std::string applyFile;
    std::string sensorText = "0x3311";
    auto* apply = app.add_subcommand(
        "apply", "send a profile file to the mouse: buttons, DPI, colours, polling rate, "
                 "lift-off, debounce, lighting, power and motion options, macros");
    apply->add_option("FILE", applyFile, "profile file (.psf)")->required();
    apply->add_option("--sensor", sensorText, "sensor model the DPI steps belong to");

    auto* pair = app.add_subcommand("pair", "ask the receiver to pair with the mouse");
    auto* factoryReset =
        app.add_subcommand("factory-reset", "return the mouse to its factory settings");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    if (*init)
        return RunInit(initDir);
    if (*devices)
        return RunDevices(virtualDevice);
    if (*status)
        return RunStatus(virtualDevice, watch, waitMs);
    if (*switchProfile)
        return RunSwitch(virtualDevice, profile);
    if (*apply) {
        char* end = nullptr;
        const unsigned long model = std::strtoul(sensorText.c_str(), &end, 16);
        if (sensorText.empty() || *end != '\0' || model > 0xFFFF) {
            std::cerr << "corvexctl: --sensor takes a hexadecimal model such as 0x3311\n";
            return kExitUsage;
        }
        return RunApply(virtualDevice, applyFile, static_cast<uint16_t>(model));
    }
    if (*pair)
        return RunPair(virtualDevice);
    if (*factoryReset)
        return RunFactoryReset(virtualDevice);
    return RunDump(dumpFile);
}
