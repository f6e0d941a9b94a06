#include "Commands.h"

#include <CLI/CLI.hpp>

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
    return RunDump(dumpFile);
}
