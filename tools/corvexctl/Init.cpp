#include "Commands.h"
#include "Utf8.h"

#include "settings/DataFolder.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

const char* const kLanguageFiles[] = {"LanSetting.ini", "Lan.txt", "Lan_EN.txt"};

bool CopyLanguageFiles(const fs::path& config) {
    for (const char* name : kLanguageFiles) {
        std::error_code ec;
        fs::copy_file(fs::path(CORVEX_ASSETS_DIR) / "lang" / name, config / name,
                      fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::cerr << "corvexctl: cannot write " << (config / name).string() << ": "
                      << ec.message() << "\n";
            return false;
        }
        std::cout << (config / name).string() << "\n";
    }
    return true;
}

} // namespace

int RunInit(const std::string& dir) {
    std::error_code ec;
    fs::path config = fs::absolute(fs::path(dir), ec) / "config";
    fs::create_directories(config, ec);
    if (ec) {
        std::cerr << "corvexctl: cannot create " << config.string() << ": " << ec.message() << "\n";
        return kExitBadFile;
    }
    if (!CopyLanguageFiles(config))
        return kExitBadFile;

    // The same order as the program's first start: texts, then settings and profiles.
    auto folder = config.parent_path().u16string() + DataFolder::kSeparator;
    LanguageTexts texts;
    texts.ChangeLanguage(folder, 1.0f);
    SettingsStore store(folder);
    ProfileTable table;
    ProfileFiles profiles(table, store, texts);
    store.LoadSettings(profiles);

    std::cout << ToUtf8(store.SettingsPath()) << "\n";
    for (size_t i = 0; i < ProfileTable::kCount; ++i) {
        auto path = store.ProfileSlotPath(i);
        if (!fs::exists(fs::path(path))) {
            std::cerr << "corvexctl: profile file " << ToUtf8(path) << " was not written\n";
            return kExitBadFile;
        }
        std::cout << ToUtf8(path) << "\n";
    }
    return kExitOk;
}
