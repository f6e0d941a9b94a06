#include "Commands.h"
#include "JsonText.h"

#include "macro/MacroExchange.h"
#include "macro/MacroLibraryFile.h"
#include "macro/MacroLibraryTree.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileSettings.h"
#include "settings/SettingsStore.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

json MacroJson(const MacroRecord& m) {
    json actions = json::array();
    for (uint32_t i = 0; i < m.ValidActionCount(); ++i)
        actions.push_back(Hex(m.GetAction(i).bytes));
    return {{"name", ToUtf8(m.Name())},
            {"macroKeyIndex", m.MacroKeyIndex},
            {"actionCount", m.ActionCount()},
            {"loopType", m.MacroKeyLoopType},
            {"loopNum", m.MacroKeyLoopNum},
            {"commandActionNum", m.MacroCommandActionNum},
            {"actions", actions}};
}

json ProfileJson(const ProfileSettings& p) {
    json pairs = json::array();
    for (const auto& pair : p.SettingPairs)
        pairs.push_back({{"key", ToUtf8(pair.key)}, {"value", ToUtf8(pair.value)}});
    json keys = json::array();
    for (const auto& k : p.Keys)
        keys.push_back({{"name", ToUtf8(k.Name)},
                        {"url", ToUtf8(k.URL)},
                        {"value", Hex(k.Value.bytes)},
                        {"macroKeyIndex", k.MacroKeyIndex},
                        {"macro", MacroJson(k.Macro)}});
    json colours = json::array();
    for (auto c : p.DPILevelIndication)
        colours.push_back(c);
    return {
        {"settingPairs", pairs},
        {"dpiOffOnFlag", p.DPIOffOnFlagValue},
        {"xySettingX", p.XYSettingX},
        {"xySettingY", p.XYSettingY},
        {"currentDpiLevel", p.CurrentDPILevelValue},
        {"dpiLevelColours", colours},
        {"angleSnap", p.AngleSnapValue},
        {"liftDetection", p.LiftDetectionValue},
        {"pollingRateName", ToUtf8(p.PollingRateName)},
        {"pollingRateValue", Hex(p.PollingRateValue)},
        {"lighting1", {{"name", ToUtf8(p.Lighting1.Name)}, {"mode", Hex(p.Lighting1.ModeValue)}}},
        {"lighting2", {{"name", ToUtf8(p.Lighting2.Name)}, {"mode", Hex(p.Lighting2.ModeValue)}}},
        {"keys", keys}};
}

json ListJson(const MacroLibraryTree& tree, const MacroLocation& parent) {
    json items = json::array();
    const SiblingList* list = tree.ChildList(parent);
    if (!list)
        return items;
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i) {
        const LibraryItem& item = (*list)[i];
        if (item.IsFree())
            continue;
        json j = {{"index", i}, {"name", ToUtf8(item.name)}, {"folder", item.IsFolderItem()}};
        if (item.IsFolderItem())
            j["children"] = ListJson(tree, parent.Child(i));
        else if (item.macro)
            j["macro"] = MacroJson(*item.macro);
        items.push_back(j);
    }
    return items;
}

int Fail(const fs::path& path, const LoadError& error) {
    std::cerr << "corvexctl: " << path.string();
    if (error.line > 0)
        std::cerr << ": line " << error.line;
    std::cerr << ": " << (error.reason.empty() ? "cannot be read" : error.reason) << "\n";
    return kExitBadFile;
}

int DumpProfile(const fs::path& path) {
    ProfileSettings profile;
    int line = 0;
    if (!ProfileFile::Read(profile, path, &line))
        return Fail(path, {line, "not a readable profile file (180 lines expected)"});
    std::cout << ProfileJson(profile).dump(2) << "\n";
    return kExitOk;
}

int DumpSettings(const fs::path& path) {
    std::array<TextPair, SettingsStore::kPairCount> pairs;
    std::string why;
    if (!SettingsStore::ReadPairs(path, pairs, &why))
        return Fail(path, {0, why});
    json j = json::array();
    for (const auto& pair : pairs)
        j.push_back({{"key", ToUtf8(pair.key)}, {"value", ToUtf8(pair.value)}});
    std::cout << json{{"settings", j}}.dump(2) << "\n";
    return kExitOk;
}

int DumpLibrary(const fs::path& path) {
    MacroLibraryTree tree;
    LoadError error;
    if (!LoadLibraryFile(path, tree, nullptr, &error))
        return Fail(path, error);
    std::cout << json{{"nextMacroIndex", tree.NextMacroIndex},
                      {"items", ListJson(tree, MacroLocation::None())}}
                     .dump(2)
              << "\n";
    return kExitOk;
}

int DumpExport(const fs::path& path, bool group) {
    MacroLibraryTree tree;
    SelectedLocation selected = MacroLocation::None();
    LoadError error;
    auto result = group ? ImportGroup(tree, selected, path, &error)
                        : ImportMacro(tree, selected, path, &error);
    if (result != ImportResult::Imported || error.line != 0 || !error.reason.empty())
        return Fail(path, error);
    std::cout << json{{"items", ListJson(tree, MacroLocation::None())}}.dump(2) << "\n";
    return kExitOk;
}

int DumpLanguageTexts(const fs::path& path) {
    LanguageTexts texts;
    std::string why;
    if (!texts.LoadTextFile(path, &why))
        return Fail(path, {0, why});
    json j = json::object();
    for (size_t i = 0; i < LanguageTexts::kCount; ++i)
        if (!texts.Get(i).empty())
            j[std::to_string(i)] = ToUtf8(texts.Get(i));
    std::cout << json{{"texts", j}}.dump(2) << "\n";
    return kExitOk;
}

int DumpLanguageSetting(const fs::path& path) {
    std::u16string code = LanguageTexts::ReadLanguageCode(path);
    if (code.empty())
        return Fail(path, {0, "\"[ChangeLanguage]\" and a language line expected"});
    std::cout << json{{"language", ToUtf8(code)}}.dump(2) << "\n";
    return kExitOk;
}

// The language setting shares its extension with the settings file, so it goes by name.
const std::map<std::string, std::function<int(const fs::path&)>> kDumpersByName = {
    {"LanSetting.ini", DumpLanguageSetting},
};

const std::map<std::string, std::function<int(const fs::path&)>> kDumpers = {
    {".ini", DumpSettings},
    {".txt", DumpLanguageTexts},
    {".psf", DumpProfile},
    {".mlf", DumpLibrary},
    {".mkf", [](const fs::path& p) { return DumpExport(p, false); }},
    {".mbf", [](const fs::path& p) { return DumpExport(p, true); }},
};

} // namespace

int RunDump(const std::string& file) {
    fs::path path(file);
    if (auto named = kDumpersByName.find(path.filename().string()); named != kDumpersByName.end())
        return named->second(path);
    auto it = kDumpers.find(path.extension().string());
    if (it == kDumpers.end()) {
        std::cerr << "corvexctl: unknown file kind " << path.extension().string()
                  << " (expected .ini, .txt, .psf, .mlf, .mkf or .mbf)\n";
        return kExitUsage;
    }
    return it->second(path);
}
