#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

// Where the Qt backend looks for the program's pictures and keeps the user's data.
struct QtPlatformOptions {
    // Empty: the executable's folder when it holds "skins", else <prefix>/share/corvex/.
    std::u16string programFolder;
    // Empty: ${XDG_DATA_HOME:-$HOME/.local/share}/.
    std::u16string userDataBase;
};

// The Linux desktop backend (Qt 6 Widgets). Makes the QApplication when there is none yet (from
// argc and argv, which must outlive the platform) and owns it; call it first in main, before any
// other Qt object. The program's event loop is RunModal of its main window; Quit ends it.
std::unique_ptr<Platform> MakeQtPlatform(int& argc, char** argv, QtPlatformOptions options = {});
