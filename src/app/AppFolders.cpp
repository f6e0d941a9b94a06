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
