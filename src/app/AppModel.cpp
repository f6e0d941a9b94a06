#include "app/AppModel.h"

#include "app/ScreenScale.h"
#include "macro/MacroLibraryFile.h"
#include "platform/Platform.h"

void AppModel::SaveAll() const {
    if (!settings)
        return;
    settings->SaveSettings(settings->GetCurrentProfile());
    profileFiles->SaveAllProfiles();
}

void LoadAppModel(Platform& platform, AppModel& model) {
    model.folders = PrepareAppFolders(platform);
    SeedLanguageFiles(model.folders);
    model.uiScale = ScreenScale::UiScaleFor(platform.FullScreenSize());
    model.dpiScale = ScreenScale::DpiScaleFor(platform.LogicalDpi());

    model.texts.ChangeLanguage(model.folders.data, model.uiScale);
    LoadLibraryFile(LibraryFilePath(model.folders.data), model.library);
    model.settings = std::make_unique<SettingsStore>(model.folders.data);
    model.profileFiles =
        std::make_unique<ProfileFiles>(model.profiles, *model.settings, model.texts);
    model.settings->LoadSettings(*model.profileFiles);
    model.sensor.BuildSensorTables(model.settings->SensorModel());
}
