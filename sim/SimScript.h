#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "MouseEmulator.h"

// The line commands of corvex-sim, applied to one emulator. Every line gets an answer: "ok",
// the text asked for, or one line starting with "error:"; a bad line never ends the script.
class SimScript {
  public:
    SimScript(MouseEmulator& mouse, std::ostream& out);

    // Applies one line; false once the line was `quit`.
    bool RunLine(std::string_view line);
    // Runs the lines of `in` until it ends or a line is `quit`.
    void Run(std::istream& in);

    // Every command with its arguments and what it does, one per line.
    static std::string HelpText();

    using Args = std::span<const std::string_view>;
    using Handler = std::string (SimScript::*)(Args);

  private:
    struct CommandEntry;
    static const std::vector<CommandEntry>& Commands();

    std::string Plug(Args args);
    std::string Unplug(Args args);
    std::string Profile(Args args);
    std::string Dpi(Args args);
    std::string Battery(Args args);
    std::string Charge(Args args);
    std::string Rate(Args args);
    std::string Sensor(Args args);
    std::string Online(Args args);
    std::string Launch(Args args);
    std::string Nak(Args args);
    std::string Garbage(Args args);
    std::string FailRead(Args args);
    std::string MacroUnplug(Args args);
    std::string Advance(Args args);
    std::string Frames(Args args);
    std::string State(Args args);
    std::string Demo(Args args);
    std::string Help(Args args);
    std::string Quit(Args args);

    MouseEmulator& mouse_;
    std::ostream& out_;
    bool quit_ = false;
};
