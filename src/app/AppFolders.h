#pragma once

#include <string>

class Platform;

// The two folders the program works from, each with a trailing separator.
struct AppFolders {
    std::u16string program; // skins, pictures and the product's language files
    std::u16string data;    // the per-user folder; its "config" holds every file the program writes
};

// Builds both paths and creates the data folder and its "config" when they are missing; a folder
// that cannot be made is left to fail later, when its files are opened.
AppFolders PrepareAppFolders(Platform& platform);

// The product's language files, copied into the data folder on the first start.
inline constexpr const char16_t* kLanguageFileNames[] = {u"LanSetting.ini", u"Lan.txt",
                                                         u"Lan_EN.txt"};

// Copies each language file that config/ lacks from the program folder's "lang"; files already
// there (a language the user chose, edited texts) are kept. Returns how many were copied.
int SeedLanguageFiles(const AppFolders& folders);

// Where the skins lie: "<prefix>/share/corvex/" beside an installed program's "bin", otherwise
// the build tree's assets. Both end with a separator.
std::u16string ResolveProgramFolder(const std::u16string& executableFolder,
                                    const std::u16string& buildAssets);
