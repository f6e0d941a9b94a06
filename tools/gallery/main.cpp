// corvex-gallery: one skinned dialog with one control of every kind and one popup list of every
// class, for looking at the toolkit. With --screenshot FILE it paints the dialog and its popups
// into a PNG file and exits; with --log-notifications it prints every message the dialog gets.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include <stdlib.h>

#include "CGalleryDlg.h"
#include "GalleryPlatform.h"
#include "PngWriter.h"
#include "settings/LanguageTexts.h"
#include "ui/UiContext.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string screenshot;
    float scale = 1.0f;
    bool logNotifications = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            options.screenshot = argv[++i];
        } else if (arg == "--log-notifications") {
            options.logNotifications = true;
        } else if (arg == "--scale" && i + 1 < argc) {
            options.scale = std::strtof(argv[++i], nullptr);
            if (options.scale != 1.0f && options.scale != 1.5f && options.scale != 2.0f) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// The English texts and their font, read the way the program reads them: from a data folder
// whose config holds the language files (a scratch copy of the assets).
void LoadEnglish(LanguageTexts& texts, float scale) {
    const fs::path lang = fs::path(CORVEX_ASSETS_DIR) / "lang";
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "corvex-gallery-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    const fs::path data = pattern;
    fs::create_directories(data / "config", error);
    for (const char* name : {"LanSetting.ini", "Lan_EN.txt"}) {
        fs::copy_file(lang / name, data / "config" / name, fs::copy_options::overwrite_existing,
                      error);
    }
    texts.ChangeLanguage(data.u16string() + u"/", scale);
    fs::remove_all(data, error);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: corvex-gallery [--scale 1|1.5|2] [--log-notifications] "
                             "[--screenshot FILE.png]\n");
        return 2;
    }
    const std::u16string assets = fs::path(CORVEX_ASSETS_DIR).u16string() + u"/";
    GalleryPlatform backend = MakeGalleryPlatform(argc, argv, assets);
    if (options.screenshot.empty() && !backend.interactive) {
        std::fprintf(stderr, "corvex-gallery: this build only renders screenshots "
                             "(--screenshot FILE.png)\n");
        return 2;
    }
    LanguageTexts texts;
    LoadEnglish(texts, options.scale);
    UiContext ui(*backend.platform, texts, assets, options.scale);
    CGalleryDlg gallery(ui, options.logNotifications);
    if (options.screenshot.empty()) {
        gallery.DoModal();
        return 0;
    }
    if (!gallery.Create()) {
        std::fprintf(stderr, "corvex-gallery: the window could not be made\n");
        return 1;
    }
    gallery.OpenPopups();
    const std::unique_ptr<Image> picture = gallery.Render();
    if (!picture || !WritePng(options.screenshot, picture->GetSize(), picture->ReadRgb())) {
        std::fprintf(stderr, "corvex-gallery: cannot write %s\n", options.screenshot.c_str());
        return 1;
    }
    return 0;
}
