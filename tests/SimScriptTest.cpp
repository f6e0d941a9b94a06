#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "SimScript.h"
#include "SimTestSupport.h"

namespace {

struct ScriptCase {
    const char* name;
    std::string line;
    std::string answerStart;
    std::function<bool(const MouseEmulator&)> effect;
};

class SimScriptLine : public testing::TestWithParam<ScriptCase> {
  protected:
    SimScriptLine() { mouse.Plug(MouseConnection::Cable); }

    MouseEmulator mouse;
    std::ostringstream out;
    SimScript script{mouse, out};
};

TEST_P(SimScriptLine, AnswersAndActs) {
    const auto& c = GetParam();
    EXPECT_TRUE(script.RunLine(c.line));
    EXPECT_TRUE(out.str().starts_with(c.answerStart)) << out.str();
    EXPECT_TRUE(out.str().ends_with("\n"));
    EXPECT_TRUE(c.effect(mouse));
}

bool Untouched(const MouseEmulator& m) {
    const auto f = m.Firmware();
    const auto s = m.Status();
    return f.profile == 0 && f.dpiLevel == 0 && s.battery == 100 && s.charge == 0 &&
           s.rateClass == 8 && s.sensor == 0x95 && m.IsPlugged(MouseConnection::Cable) &&
           !m.IsPlugged(MouseConnection::Receiver);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SimScriptLine,
    testing::Values(
        ScriptCase{"Plug", "plug receiver", "ok",
                   [](auto& m) { return m.IsPlugged(MouseConnection::Receiver); }},
        ScriptCase{"PlugTwice", "plug cable", "error: already plugged", Untouched},
        ScriptCase{"PlugUnknown", "plug usb", "error:", Untouched},
        ScriptCase{"Unplug", "unplug cable", "ok",
                   [](auto& m) { return !m.IsPlugged(MouseConnection::Cable); }},
        ScriptCase{"UnplugAbsent", "unplug ble", "error: not plugged", Untouched},
        ScriptCase{"Profile", "profile 4", "ok", [](auto& m) { return m.Firmware().profile == 4; }},
        ScriptCase{"ProfileRange", "profile 5", "error:", Untouched},
        ScriptCase{"Dpi", "  dpi\t7 ", "ok", [](auto& m) { return m.Firmware().dpiLevel == 7; }},
        ScriptCase{"DpiWord", "dpi two", "error:", Untouched},
        ScriptCase{"DpiSign", "dpi +2", "error:", Untouched},
        ScriptCase{"Battery", "battery 37", "ok", [](auto& m) { return m.Status().battery == 37; }},
        ScriptCase{"BatteryRange", "battery 101", "error:", Untouched},
        ScriptCase{"Charge", "charge 2", "ok", [](auto& m) { return m.Status().charge == 2; }},
        ScriptCase{"Rate", "rate 4", "ok", [](auto& m) { return m.Status().rateClass == 4; }},
        ScriptCase{"RateOdd", "rate 2", "error:", Untouched},
        ScriptCase{"Sensor", "sensor 0x25", "ok",
                   [](auto& m) { return m.Status().sensor == 0x25; }},
        ScriptCase{"SensorTooBig", "sensor 0x125", "error:", Untouched},
        ScriptCase{"OnlineWithoutReceiver", "online 0", "error: no receiver", Untouched},
        ScriptCase{"Launch", "launch 16", "ok", Untouched},
        ScriptCase{"LaunchRange", "launch 17", "error:", Untouched},
        ScriptCase{"TooManyArgs", "dpi 1 2", "error: usage: dpi N", Untouched},
        ScriptCase{"MissingArg", "battery", "error: usage: battery P", Untouched},
        ScriptCase{"Unknown", "fly away", "error: unknown command \"fly\"", Untouched},
        ScriptCase{"Demo", "demo on", "ok", [](auto& m) { return m.DemoOn(); }},
        ScriptCase{"DemoBad", "demo maybe", "error:", [](auto& m) { return !m.DemoOn(); }},
        ScriptCase{"Frames", "frames", "no frames", Untouched},
        ScriptCase{"Garbage", "garbage short", "ok", Untouched},
        ScriptCase{"GarbageBad", "garbage lots", "error:", Untouched},
        ScriptCase{"State", "state", "plugged: cable\ndemo off\nprofile 0", Untouched},
        ScriptCase{"Help", "help", "  plug cable|receiver|ble", Untouched}),
    [](const auto& info) { return info.param.name; });

class SimScriptRun : public testing::Test {
  protected:
    std::string Run(const std::string& text) {
        std::istringstream in(text);
        script.Run(in);
        return out.str();
    }

    // Byte 1 of the acknowledgement of one frame sent on the cable.
    uint8_t Send(const FrameBytes& frame) {
        return simtest::SendFrame(mouse, *mouse.CommandInterface(MouseConnection::Cable), frame);
    }

    MouseEmulator mouse;
    std::ostringstream out;
    SimScript script{mouse, out};
};

TEST_F(SimScriptRun, CommentsAreSilentBadLinesGoOnQuitStops) {
    const std::string answers =
        Run("plug cable\n# profile 4\n\nbogus\nprofile 9\nprofile 3\nquit\nprofile 1\n");
    EXPECT_EQ(answers, "ok\nerror: unknown command \"bogus\"; try help\nerror: profile is 0 to "
                       "4\nok\nbye\n");
    EXPECT_EQ(mouse.Firmware().profile, 3);
}

TEST_F(SimScriptRun, NakCountsAllAndZero) {
    const FrameBytes f = simtest::MakeFrame(0x09, 0x01, {5});
    Run("plug cable\nnak all\n");
    EXPECT_EQ(Send(f), 0);
    Run("nak 0\n");
    EXPECT_EQ(Send(f), 0x09);
    Run("nak 1\n");
    EXPECT_EQ(Send(f), 0);
    EXPECT_TRUE(out.str().ends_with("ok\nok\nok\n"));
}

TEST_F(SimScriptRun, FramesListsNamesAndHexThenClears) {
    Run("plug cable\n");
    Send(simtest::MakeFrame(0x0A, 0x01, {2}, 7));
    const std::string answers = Run("frames\nframes clear\nframes\n");
    EXPECT_NE(answers.find("\nSwitchProfile 06 0A 07 01 1A 02 00"), std::string::npos) << answers;
    EXPECT_TRUE(answers.ends_with("ok\nno frames\n"));
}

TEST_F(SimScriptRun, OnlineAdvanceAndMacroUnplugReachTheMouse) {
    Run("plug receiver\nonline 0\nadvance 120000\nmacro-unplug receiver 0\n");
    EXPECT_FALSE(mouse.Status().online);
    EXPECT_EQ(mouse.Status().battery, 98);
    EXPECT_TRUE(out.str().ends_with("error: usage: macro-unplug cable|receiver|ble K (K at least "
                                    "1)\n"));
    EXPECT_TRUE(mouse.IsPlugged(MouseConnection::Receiver));
}

TEST(SimScriptHelp, NamesEveryCommand) {
    const std::string help = SimScript::HelpText();
    for (const char* word :
         {"plug",    "unplug", "profile", "dpi",  "battery", "charge",    "rate",
          "sensor",  "online", "launch",  "nak",  "garbage", "fail-read", "macro-unplug",
          "advance", "frames", "state",   "demo", "help",    "quit"})
        EXPECT_NE(help.find("  " + std::string(word) + " "), std::string::npos) << word;
}

} // namespace
