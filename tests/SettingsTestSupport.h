#pragma once

#include "settings/CStdioFileEx.h"
#include "settings/DataFolder.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace settings_test {

namespace fs = std::filesystem;

// A fresh data folder with its "config" sub-folder, removed afterwards.
struct TempDataFolder {
    fs::path root;
    std::u16string folder;

    TempDataFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        root = fs::temp_directory_path() / ("corvex-settings-" + name);
        fs::remove_all(root);
        fs::create_directories(root / "config");
        folder = root.u16string() + DataFolder::kSeparator;
    }
    ~TempDataFolder() { fs::remove_all(root); }

    fs::path Config(const std::u16string& name) const {
        return fs::path(DataFolder::ConfigFile(folder, name));
    }
};

inline std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::u16string> ReadLines(const fs::path& p) {
    CStdioFileEx f;
    std::vector<std::u16string> lines;
    if (!f.OpenForRead(p))
        return lines;
    std::u16string line;
    while (f.ReadString(line))
        lines.push_back(line);
    return lines;
}

inline void WriteLines(const fs::path& p, const std::vector<std::u16string>& lines) {
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, lines));
}

// The process-wide settings objects over a fresh data folder, as the program builds them.
struct ProfileWorld {
    TempDataFolder data;
    LanguageTexts texts;
    ProfileTable table;
    SettingsStore settings{data.folder};
    ProfileFiles files{table, settings, texts};
};

} // namespace settings_test
