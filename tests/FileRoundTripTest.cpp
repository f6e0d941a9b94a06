#include "SettingsTestSupport.h"

#include "macro/MacroExchange.h"
#include "macro/MacroLibraryFile.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

#include <functional>

namespace {

using namespace settings_test;

// A library with a folder two levels deep, a long macro and a name that needs no escaping.
void FillSample(MacroLibraryTree& tree) {
    tree.AddMacro(MacroLocation::None(), u"Reload");
    tree.AddFolder(MacroLocation::None(), u"Games");
    tree.AddFolder(MacroLocation::At(1), u"Arena");
    tree.AddMacro(MacroLocation::At(1, 0), u"Combo = 3");
    MacroRecord& m = *tree.ItemAt(MacroLocation::At(1, 0, 0))->macro;
    for (uint32_t i = 0; i < 250; ++i)
        m.InsertAction(i, i % 2 ? MacroAction::Delay(i) : MacroAction::Key(0x41, false));
}

// Writes `path`, reads it back with the system's reader and writes it again to `again`.
struct Kind {
    const char* name;
    std::function<bool(const fs::path& path, const fs::path& again, TempDataFolder&)> roundTrip;
};

void PrintTo(const Kind& kind, std::ostream* os) {
    *os << kind.name;
}

bool SettingsRoundTrip(const fs::path& path, const fs::path& again, TempDataFolder& data) {
    LanguageTexts texts;
    ProfileTable table;
    SettingsStore first(data.folder);
    ProfileFiles files(table, first, texts);
    first.LoadSettings(files);
    first.SetCurrentProfile(3);
    if (!first.SaveSettings(3))
        return false;
    fs::copy_file(first.SettingsPath(), path);
    SettingsStore second(data.folder);
    ProfileFiles files2(table, second, texts);
    if (!second.LoadSettings(files2) || !second.SaveSettings(second.GetCurrentProfile()))
        return false;
    fs::copy_file(second.SettingsPath(), again);
    return true;
}

bool LibraryRoundTrip(const fs::path& path, const fs::path& again, TempDataFolder&) {
    MacroLibraryTree tree;
    FillSample(tree);
    MacroLibraryTree read;
    MacroLocation header;
    return SaveLibraryFile(tree, path, MacroLocation::At(1, 0, 0)) &&
           LoadLibraryFile(path, read, &header) && SaveLibraryFile(read, again, header);
}

bool ExportRoundTrip(const fs::path& path, const fs::path& again, bool group) {
    MacroLibraryTree tree;
    FillSample(tree);
    SelectedLocation selected = MacroLocation::At(1, 0, 0);
    auto exportFile = group ? ExportGroup : ExportMacro;
    if (!exportFile(tree, selected, path))
        return false;
    MacroLibraryTree read;
    MacroLocation header;
    return LoadLibraryFile(path, read, &header) && exportFile(read, header, again);
}

const Kind kKinds[] = {
    {"settings", SettingsRoundTrip},
    {"library", LibraryRoundTrip},
    {"macro_export", [](const fs::path& p, const fs::path& a,
                        TempDataFolder&) { return ExportRoundTrip(p, a, false); }},
    {"group_export", [](const fs::path& p, const fs::path& a,
                        TempDataFolder&) { return ExportRoundTrip(p, a, true); }},
};

class FileRoundTrip : public testing::TestWithParam<Kind> {};

TEST_P(FileRoundTrip, WriteReadWriteGivesIdenticalBytes) {
    TempDataFolder data;
    fs::path path = data.root / "first";
    fs::path again = data.root / "again";
    ASSERT_TRUE(GetParam().roundTrip(path, again, data));
    std::string bytes = ReadBytes(path);
    EXPECT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes, ReadBytes(again));
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileRoundTrip, testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
