#include "app/AppFolders.h"

#include "platform/Platform.h"
#include "settings/DataFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

AppFolders PrepareAppFolders(Platform& platform) {
    AppFolders folders{platform.ProgramFolder(), DataFolder::FromBase(platform.UserDataBase())};
    platform.EnsureFolder(folders.data);
    platform.EnsureFolder(folders.data + u"config" + DataFolder::kSeparator);
    return folders;
}

int SeedLanguageFiles(const AppFolders& folders) {
    const fs::path source = fs::path(folders.program) / u"lang";
    int copied = 0;
    for (const char16_t* name : kLanguageFileNames) {
        const fs::path target(DataFolder::ConfigFile(folders.data, name));
        std::error_code error;
        if (fs::exists(target, error))
            continue;
        // copy_file never overwrites here: a file that appeared meanwhile is kept.
        if (fs::copy_file(source / name, target, fs::copy_options::none, error))
            ++copied;
    }
    return copied;
}

std::u16string ResolveProgramFolder(const std::u16string& executableFolder,
                                    const std::u16string& buildAssets) {
    fs::path bin(executableFolder);
    if (!bin.has_filename())
        bin = bin.parent_path();
    const fs::path installed = bin.parent_path() / "share" / "corvex";
    std::error_code error;
    const fs::path chosen =
        fs::is_directory(installed / "skins", error) ? installed : fs::path(buildAssets);
    std::u16string folder = chosen.lexically_normal().u16string();
    if (folder.empty() || folder.back() != DataFolder::kSeparator)
        folder.push_back(DataFolder::kSeparator);
    return folder;
}
