#include <CLI/CLI.hpp>

#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <thread>

#include "MouseEmulator.h"
#include "SimScript.h"
#include "device/hid/VirtualHidServer.h"

namespace {

constexpr auto kTick = std::chrono::milliseconds(100);

// Lets the emulator's time run (battery, charging, demo) until stopped.
class Clock {
  public:
    explicit Clock(MouseEmulator& mouse) : thread_([this, &mouse] { Run(mouse); }) {}
    ~Clock() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

  private:
    void Run(MouseEmulator& mouse) {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, kTick, [this] { return stop_; })) {
            lock.unlock();
            mouse.Advance(static_cast<uint32_t>(kTick.count()));
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"corvex-sim: an emulated mouse on the virtual HID bus. Script commands are read "
                 "from standard input, one per line; the program ends at quit or at the end of "
                 "its input."};
    uint16_t port = 47600;
    std::vector<std::string> plugs;
    app.add_option("--port", port, "TCP port on 127.0.0.1 to serve the bus on")
        ->capture_default_str();
    app.add_option("--plug", plugs, "connection plugged in at start (repeatable; default cable)")
        ->check(CLI::IsMember({"cable", "receiver", "ble"}));
    app.footer("Script commands:\n" + SimScript::HelpText());
    CLI11_PARSE(app, argc, argv);

    MouseEmulator mouse;
    if (plugs.empty())
        plugs.push_back("cable");
    for (const auto& name : plugs)
        mouse.Plug(*ParseConnection(name));

    VirtualHidServer server(mouse);
    std::string error;
    if (!server.Start(port, &error)) {
        std::cerr << "corvex-sim: cannot serve on port " << port << ": " << error << "\n";
        return 1;
    }
    std::cerr << "corvex-sim: serving on 127.0.0.1:" << server.Port() << "\n";

    Clock clock(mouse);
    SimScript script(mouse, std::cout);
    script.Run(std::cin);
    server.Stop();
    return 0;
}
