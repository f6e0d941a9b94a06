#include "SimScript.h"

#include <charconv>
#include <optional>
#include <vector>

#include "SimStateText.h"

namespace {

constexpr std::string_view kOk = "ok";

struct GarbageName {
    std::string_view name;
    MouseEmulator::Garbage kind;
};

const GarbageName kGarbage[] = {
    {"random", MouseEmulator::Garbage::Random},
    {"id", MouseEmulator::Garbage::WrongId},
    {"short", MouseEmulator::Garbage::Short},
    {"foreign", MouseEmulator::Garbage::Foreign},
};

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == line.npos)
            return words;
        const size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

// A whole-word number; "0x" switches to hexadecimal.
std::optional<long> Number(std::string_view word) {
    int base = 10;
    if (word.starts_with("0x") || word.starts_with("0X")) {
        word.remove_prefix(2);
        base = 16;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<long> NumberIn(std::string_view word, long low, long high) {
    const auto n = Number(word);
    return n && *n >= low && *n <= high ? n : std::nullopt;
}

std::string Error(std::string_view why) {
    return "error: " + std::string(why);
}

std::string Done(bool ok, std::string_view why) {
    return ok ? std::string(kOk) : Error(why);
}

std::optional<MouseConnection> Kind(std::string_view word) {
    return ParseConnection(word);
}

} // namespace

struct SimScript::CommandEntry {
    std::string_view name;
    std::string_view arguments;
    std::string_view help;
    size_t minArgs;
    size_t maxArgs;
    SimScript::Handler handler;
};

const std::vector<SimScript::CommandEntry>& SimScript::Commands() {
    static const std::vector<CommandEntry> kCommands{
        {"plug", "cable|receiver|ble", "plug the mouse in that way", 1, 1, &SimScript::Plug},
        {"unplug", "cable|receiver|ble", "unplug it", 1, 1, &SimScript::Unplug},
        {"profile", "N", "switch to profile N (0-4) on the mouse", 1, 1, &SimScript::Profile},
        {"dpi", "N", "select DPI level N (0-7) on the mouse", 1, 1, &SimScript::Dpi},
        {"battery", "P", "battery level P percent (0-100)", 1, 1, &SimScript::Battery},
        {"charge", "0|1|2", "not charging, charging, fully charged", 1, 1, &SimScript::Charge},
        {"rate", "1|4|8", "maximum-rate class", 1, 1, &SimScript::Rate},
        {"sensor", "0xNN", "sensor identifier the mouse reports", 1, 1, &SimScript::Sensor},
        {"online", "0|1", "the mouse behind the receiver goes away or comes back", 1, 1,
         &SimScript::Online},
        {"launch", "N", "ask for the program of button N (1-16), then 0", 1, 1, &SimScript::Launch},
        {"nak", "N|all|0", "drop the next N frames, all frames, or none", 1, 1, &SimScript::Nak},
        {"garbage", "[random|id|short|foreign]",
         "random bytes, wrong report id, short report, report on the ignored interface", 0, 1,
         &SimScript::Garbage},
        {"fail-read", "", "fail the next acknowledgement read", 0, 0, &SimScript::FailRead},
        {"macro-unplug", "cable|receiver|ble K", "unplug after K more macro data frames", 2, 2,
         &SimScript::MacroUnplug},
        {"advance", "MS", "let MS milliseconds pass (battery, charging, demo)", 1, 1,
         &SimScript::Advance},
        {"frames", "[clear]", "print the received frames, or forget them", 0, 1,
         &SimScript::Frames},
        {"state", "", "print the firmware state", 0, 0, &SimScript::State},
        {"demo", "on|off", "change DPI level and profile every few seconds", 1, 1,
         &SimScript::Demo},
        {"help", "", "list the commands", 0, 0, &SimScript::Help},
        {"quit", "", "end the script", 0, 0, &SimScript::Quit},
    };
    return kCommands;
}

SimScript::SimScript(MouseEmulator& mouse, std::ostream& out) : mouse_(mouse), out_(out) {}

bool SimScript::RunLine(std::string_view line) {
    const auto words = Words(line);
    if (words.empty() || words[0].starts_with('#'))
        return true;
    const Args args = Args(words).subspan(1);
    std::string answer = Error("unknown command \"" + std::string(words[0]) + "\"; try help");
    for (const auto& c : Commands()) {
        if (c.name != words[0])
            continue;
        if (args.size() < c.minArgs || args.size() > c.maxArgs)
            answer = Error("usage: " + std::string(c.name) + " " + std::string(c.arguments));
        else
            answer = (this->*c.handler)(args);
    }
    out_ << answer;
    if (answer.empty() || answer.back() != '\n')
        out_ << '\n';
    out_.flush();
    return !quit_;
}

void SimScript::Run(std::istream& in) {
    std::string line;
    while (std::getline(in, line))
        if (!RunLine(line))
            return;
}

std::string SimScript::HelpText() {
    std::string text;
    for (const auto& c : Commands()) {
        std::string head = "  " + std::string(c.name);
        if (!c.arguments.empty())
            head += " " + std::string(c.arguments);
        head.resize(std::max<size_t>(head.size() + 1, 42), ' ');
        text += head + std::string(c.help) + "\n";
    }
    return text;
}

std::string SimScript::Plug(Args args) {
    const auto kind = Kind(args[0]);
    if (!kind)
        return Error("plug cable, receiver or ble");
    return Done(mouse_.Plug(*kind), "already plugged");
}

std::string SimScript::Unplug(Args args) {
    const auto kind = Kind(args[0]);
    if (!kind)
        return Error("unplug cable, receiver or ble");
    return Done(mouse_.Unplug(*kind), "not plugged");
}

std::string SimScript::Profile(Args args) {
    const auto n = NumberIn(args[0], 0, 4);
    return Done(n && mouse_.SetProfile(static_cast<int>(*n)), "profile is 0 to 4");
}

std::string SimScript::Dpi(Args args) {
    const auto n = NumberIn(args[0], 0, 7);
    return Done(n && mouse_.SetDpiLevel(static_cast<int>(*n)), "dpi level is 0 to 7");
}

std::string SimScript::Battery(Args args) {
    const auto n = NumberIn(args[0], 0, 100);
    return Done(n && mouse_.SetBattery(static_cast<int>(*n)), "battery is 0 to 100");
}

std::string SimScript::Charge(Args args) {
    const auto n = NumberIn(args[0], 0, 2);
    return Done(n && mouse_.SetCharge(static_cast<int>(*n)), "charge is 0, 1 or 2");
}

std::string SimScript::Rate(Args args) {
    const auto n = NumberIn(args[0], 1, 8);
    return Done(n && mouse_.SetRateClass(static_cast<int>(*n)), "rate class is 1, 4 or 8");
}

std::string SimScript::Sensor(Args args) {
    const auto n = NumberIn(args[0], 0, 0xFF);
    if (n)
        mouse_.SetSensor(static_cast<uint8_t>(*n));
    return Done(n.has_value(), "sensor is a byte, such as 0x25");
}

std::string SimScript::Online(Args args) {
    const auto n = NumberIn(args[0], 0, 1);
    if (!n)
        return Error("online is 0 or 1");
    return Done(mouse_.SetOnline(*n == 1), "no receiver plugged");
}

std::string SimScript::Launch(Args args) {
    const auto n = NumberIn(args[0], 1, 16);
    return Done(n && mouse_.Launch(static_cast<int>(*n)), "launch takes a button 1 to 16");
}

std::string SimScript::Nak(Args args) {
    if (args[0] == "all") {
        mouse_.NakAll();
        return std::string(kOk);
    }
    const auto n = NumberIn(args[0], 0, 1000000);
    if (n)
        mouse_.NakFrames(static_cast<uint32_t>(*n));
    return Done(n.has_value(), "nak takes a count or all");
}

std::string SimScript::Garbage(Args args) {
    const std::string_view name = args.empty() ? "random" : args[0];
    for (const auto& g : kGarbage) {
        if (g.name == name) {
            mouse_.SendGarbage(g.kind);
            return std::string(kOk);
        }
    }
    return Error("garbage is random, id, short or foreign");
}

std::string SimScript::FailRead(Args) {
    mouse_.FailNextGetFeature();
    return std::string(kOk);
}

std::string SimScript::MacroUnplug(Args args) {
    const auto kind = Kind(args[0]);
    const auto n = NumberIn(args[1], 1, 1000000);
    if (!kind || !n)
        return Error("usage: macro-unplug cable|receiver|ble K (K at least 1)");
    mouse_.UnplugDuringMacroUpload(*kind, static_cast<uint32_t>(*n));
    return std::string(kOk);
}

std::string SimScript::Advance(Args args) {
    const auto n = NumberIn(args[0], 0, 24L * 3600 * 1000);
    if (n)
        mouse_.Advance(static_cast<uint32_t>(*n));
    return Done(n.has_value(), "advance takes milliseconds, at most a day");
}

std::string SimScript::Frames(Args args) {
    if (!args.empty()) {
        if (args[0] != "clear")
            return Error("usage: frames [clear]");
        mouse_.ClearFrames();
        return std::string(kOk);
    }
    std::string text;
    for (const auto& f : mouse_.Frames())
        text += FormatFrame(f) + "\n";
    return text.empty() ? "no frames\n" : text;
}

std::string SimScript::State(Args) {
    std::string text;
    for (const auto& info : kMouseConnections)
        if (mouse_.IsPlugged(info.kind))
            text += " " + std::string(info.name);
    text = "plugged:" + (text.empty() ? std::string(" nothing") : text) + "\n";
    text += "demo " + std::string(mouse_.DemoOn() ? "on" : "off") + "\n";
    return text + SimStateText(mouse_.Firmware(), mouse_.Status());
}

std::string SimScript::Demo(Args args) {
    if (args[0] != "on" && args[0] != "off")
        return Error("demo on or off");
    mouse_.SetDemo(args[0] == "on");
    return std::string(kOk);
}

std::string SimScript::Help(Args) {
    return HelpText();
}

std::string SimScript::Quit(Args) {
    quit_ = true;
    return "bye";
}
